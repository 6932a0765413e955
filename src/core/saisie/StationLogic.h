#pragma once
#include <QString>

namespace StationLogic {

// The key typed in the callsign box: capitals, "/" stored as "_".
int touche(int code);
// Empty when the candidate is acceptable, else the refusal message.
QString refus(const QString& candidat);
// The stored form with "_" shown as "/".
QString affichage(const QString& indicatif);

}  // namespace StationLogic
