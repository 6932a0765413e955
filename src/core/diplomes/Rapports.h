#pragma once
#include <QString>
#include <QStringList>

// What the award windows show, save and print, built from the log's lines.
// Dates come in as today's short date DD/MM/YYYY.
namespace Rapports {

// ---- Award levels ----

struct Niveau {
    int seuil;            // confirmed QSOs needed
    QString mot;          // the word stored in Niveau_Diplome
    QString nonAtteint;   // status text while not reached
    QString atteint;      // status text once reached
};
// base, Excellence, Honneur, Trophée, in this order.
const QList<Niveau>& niveaux();

// Lines whose column 107 is "*".
int compteConfirmes(const QStringList& lignes);
// The count label of a level.
QString texteCompte(int seuil, int confirmes);

// ---- Dates ----

// DD_MM_YY of a report file name.
QString partieDate(const QString& aujourdhui);
// DD/MM/YY of a printed heading.
QString dateImprimee(const QString& aujourdhui);

// ---- Award list ----

// One entry per confirmed line, in ascending byte order.
QStringList entreesDiplome(const QStringList& lignes);
QString entreeDiplome(const QString& ligne);
extern const QString EnteteListeDiplome;   // above the list in the window
extern const QString EnteteFichierDiplome;
extern const QString EnteteImpressionDiplome;
extern const QString Credit;

// Empty for a word that is not one of the four levels.
QString partieNiveau(const QString& niveau);
QString nomFichierDiplome(const QString& station, const QString& niveau, const QString& aujourdhui);
QStringList fichierDiplome(const QString& station, const QString& aujourdhui,
                           const QStringList& entrees);
QString titreImpressionDiplome(const QString& station, const QString& niveau,
                               const QString& aujourdhui);
QStringList impressionDiplome(const QString& station, const QString& niveau,
                              const QString& aujourdhui, const QStringList& entrees);

// ---- Contacted list ----

QString entreeContacte(const QString& ligne);
// Every entry, in ascending byte order.
QStringList entreesContactes(const QStringList& lignes);
// Drops an entry whose reference and first two callsign characters repeat
// those of the entry kept before it.
QStringList sansDoublons(const QStringList& triees);
extern const QString EnteteListeContactes;  // above the list in the window
extern const QString EnteteFichierContactes;

QString nomFichierContactes(const QString& station, const QString& aujourdhui);
QString titreContactes(const QString& station, const QString& aujourdhui);
QStringList fichierContactes(const QString& station, const QString& aujourdhui,
                             const QStringList& entrees);
QStringList impressionContactes(const QString& station, const QString& aujourdhui,
                                const QStringList& entrees);

// Sorts in ascending order of the Windows-1252 bytes.
void trierOctets(QStringList& entrees);

}  // namespace Rapports
