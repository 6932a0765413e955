#pragma once
#include <QString>

// The rig link's keys, application "DCF", global section "Setup ".
namespace Keys {
// Empty for no radio, or "host:port" of a rigctld already running.
inline const QString RadioAdresse = QStringLiteral("Radio");
// Hamlib model number: when set and no address is, Vitralog runs rigctld itself.
inline const QString RadioModele = QStringLiteral("Radio Modele");
inline const QString RadioPort = QStringLiteral("Radio Port");              // serial device, "/dev/ttyUSB0"
inline const QString RadioVitesse = QStringLiteral("Radio Vitesse");        // baud, empty for the rig's own
inline const QString RadioIntervalle = QStringLiteral("Radio Intervalle");  // ms between two readings
}  // namespace Keys
