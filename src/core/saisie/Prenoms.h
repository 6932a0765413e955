#pragma once
#include <QString>
#include <QStringList>

// The first-name memory Liste_Prenom.txt, shared by all stations: callsign
// padded to 12, blank, département padded to 2, blank, first name.
namespace Prenoms {

struct Trouve {
    bool trouve = false;
    QString prenom;        // upper case
    bool dptVide = false;  // the remembered département was blank
};
// The last line whose first 12 characters, trimmed, equal the callsign.
Trouve chercher(const QString& fichier, const QString& indicatif);

// The record handed over by the save.
QString enregistrement(const QString& indicatif, const QString& dpt, const QString& prenom);

// Replaces every line with the same first 12 characters, else appends; the
// file is rewritten whole. False, with *erreur, when it cannot be.
bool memoriser(const QString& fichier, const QString& ligne, QString* erreur = nullptr);
// The same for many records in one rewrite (an import); nothing is written
// when there is none.
bool memoriserLot(const QString& fichier, const QStringList& lignes, QString* erreur = nullptr);

}  // namespace Prenoms
