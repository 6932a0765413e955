#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include "core/diplomes/Rapport.h"

class Carnet;

// What the award windows show, save and print, built from the log's bytes.
// Dates come in as today's short date DD/MM/YYYY.
namespace Rapports {

// Entries of one width in one buffer of Windows-1252 bytes, in ascending
// byte order: a list of 99,999 is made without a string per line, and each
// is decoded when shown.
struct Entrees {
    QByteArray octets;
    int largeur = 0;
    qsizetype taille() const { return largeur ? octets.size() / largeur : 0; }
    QByteArrayView octetsDe(qsizetype i) const { return QByteArrayView(octets).sliced(i * largeur, largeur); }
    QString texte(qsizetype i) const;
    QStringList textes() const;
};

// ---- Award levels ----

// Everything that differs from one level to the next; nothing else names a level.
struct Niveau {
    int seuil;              // confirmed QSOs needed
    QString mot;            // the level's word, as the award list is opened with it
    QString nonAtteint;     // status text while not reached
    QString atteint;        // status text once reached
    QString partieFichier;  // in the saved list's file name
    int retraitTitre;       // blanks before the station in the printed heading
    QString titre;          // after the station in the printed heading, before the date
};
// base, Excellence, Honneur, Trophée, in this order.
const QList<Niveau>& niveaux();

// Lines whose column 107 is "*".
int compteConfirmes(const Carnet& log);
// The count label of a level.
QString texteCompte(int seuil, int confirmes);

// ---- Dates ----

// DD_MM_YY of a report file name.
QString partieDate(const QString& aujourdhui);
// DD/MM/YY of a printed heading.
QString dateImprimee(const QString& aujourdhui);

// ---- Award list ----

// One entry per confirmed line: reference, département, name, date, time,
// callsign, each at its width.
Entrees entreesDiplome(const Carnet& log);
extern const QString EnteteListeDiplome;  // above the list in the window
extern const QString EnteteFichierDiplome;
extern const QString EnteteImpressionDiplome;
extern const QString Credit;

// Empty for a word that is not one of the four levels.
QString partieNiveau(const QString& niveau);
QString nomFichierDiplome(const QString& station, const QString& niveau, const QString& aujourdhui);
QString titreImpressionDiplome(const QString& station, const QString& niveau, const QString& aujourdhui);
// Saved and printed, the award list differs in its title, header and margin.
enum class Support { Fichier, Impression };
// The numbered award list of a level.
Rapport rapportDiplome(const QString& station, const QString& niveau, const QString& aujourdhui,
                       const QStringList& entrees, Support support);

// ---- Contacted list ----

// One entry per line, every field at its width, reference first.
Entrees entreesContactes(const Carnet& log);
// Drops an entry whose reference and first two callsign characters repeat
// those of the entry kept before it.
Entrees sansDoublons(const Entrees& triees);
// The same as sansDoublons(entreesContactes(log)), without sorting every QSO.
Entrees contactesSansDoublons(const Carnet& log);
extern const QString EnteteListeContactes;  // above the list in the window
extern const QString EnteteFichierContactes;

QString nomFichierContactes(const QString& station, const QString& aujourdhui);
QString titreContactes(const QString& station, const QString& aujourdhui);
// The contacted list, the same saved or printed.
Rapport rapportContactes(const QString& station, const QString& aujourdhui, const QStringList& entrees);

}  // namespace Rapports
