#pragma once
#include <QString>

// The reference list's lookup run when a reference is entered.
namespace Cathedrales {

struct Cathedrale {
    bool trouve = false;
    QString nom;  // short name, not cut
    QString dpt;
};
// The first row of the reference list whose key equals the reference's key.
// Lines with fewer than four ";" are passed over; a missing list finds nothing.
Cathedrale chercher(const QString& fichierListe, const QString& reference);
// The cathedral of a list row split on ";" (five fields at least).
Cathedrale cathedrale(const QStringList& champs);

// The part after the first "-", or the whole text.
QString cle(const QString& reference);
// "C. <église> à <ville>", or "C. de <ville>" past 30 characters; "B." for a basilica key.
QString nomCourt(const QString& cleRef, const QString& ville, const QString& eglise);

}  // namespace Cathedrales
