#pragma once
#include <QString>

// Checks of the entry fields, as Enter runs them and as the save runs them
// again. Each returns the refusal message, or an empty text when the value passes.
namespace Controles {

// The 8-character text is a JJ/MM/AA date of a day that exists (leap years counted).
bool dateValide(const QString& texte);
// The 5-character text is an HH:MM time (00-23, 00-59).
bool heureValide(const QString& texte);

QString indicatif(const QString& t);
QString prenom(const QString& t);
QString reference(const QString& t);
QString departement(const QString& t);  // after turning to lower case
QString date(const QString& t);
QString heure(const QString& t);
QString mode(const QString& t);
QString bande(const QString& t);
QString report(const QString& t);
QString nom(const QString& t);

// The reports a mode starts with: "599" in CW, "59" otherwise.
QString rapportParDefaut(const QString& mode);

// Typed letters a-z become capitals; every other code is left as it is.
int majuscule(int code);

}  // namespace Controles
