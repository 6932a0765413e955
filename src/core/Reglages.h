#pragma once
#include <QString>

// Application, section and key names of the settings store, exactly as
// stored: every key of the program is here.
namespace Reglages {
inline const QString App = QStringLiteral("DCF");
inline const QString ClusterApp = QStringLiteral("Polyvox");
inline const QString Global = QStringLiteral("Setup ");

inline const QString Indicatif = QStringLiteral("Indicatif Station");
inline const QString Chemin = QStringLiteral("Chemin Repertoire");
inline const QString Bande = QStringLiteral("bande Utilisee");
inline const QString Mode = QStringLiteral("Mode Utilise");
inline const QString DateAuto = QStringLiteral("Date Auto");
inline const QString Revision = QStringLiteral("Revision");
inline const QString RevisionListe = QStringLiteral("Revision_Liste_DCF");
inline const QString BandeCluster = QStringLiteral("bande Cluster");
// Server addresses, in the global section; defaults in web/Serveurs.h.
inline const QString ServeurListe = QStringLiteral("Serveur Liste DCF");
inline const QString ServeurReglement = QStringLiteral("Serveur Reglement");
inline const QString ServeurCluster = QStringLiteral("Serveur Cluster");

// The backup folder the user chose, in the global section; none: Sauvegardes/ of the data folder.
inline const QString DossierSauvegardes = QStringLiteral("Dossier Sauvegardes");

// Address of the DX-cluster node ("host:port"), in the global section.
inline const QString NoeudCluster = QStringLiteral("Noeud Cluster");
// Desktop alerts of the spots window, "Oui" or "Non", in the global section.
inline const QString AlertesSpots = QStringLiteral("Alertes Spots");

// The rig link, in the global section. Empty for no radio, or "host:port"
// of a rigctld already running.
inline const QString RadioAdresse = QStringLiteral("Radio");
// Hamlib model number: when set and no address is, Vitralog runs rigctld itself.
inline const QString RadioModele = QStringLiteral("Radio Modele");
inline const QString RadioPort = QStringLiteral("Radio Port");              // serial device, "/dev/ttyUSB0"
inline const QString RadioVitesse = QStringLiteral("Radio Vitesse");        // baud, empty for the rig's own
inline const QString RadioIntervalle = QStringLiteral("Radio Intervalle");  // ms between two readings

inline const QString StationDefaut = QStringLiteral("FXXXX");
}  // namespace Reglages
