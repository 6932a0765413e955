#pragma once
#include <QString>

#include "core/Version.h"

// Application, section and key names of the settings store.
namespace Keys {
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

inline const QString StationDefaut = QStringLiteral("FXXXX");
}  // namespace Keys

// The program's revision and history, shown in the caption and the about boxes.
namespace Version {
inline const QString Revision = QStringLiteral(" " VITRALOG_VERSION);
inline const QString Historique = QStringLiteral(
    "V1.0.0   le 08/01/2015 creation\r\n"
    "V1.0.1  le 28/01/2015 Ajout mise à jour liste DCF\r\n"
    "V1.0.2  le 13/08/2015 Ajout DBF à DCF\r\n"
    "V1.0.3  le 11/12/2021 Nouveau Cluster\r\n");
}  // namespace Version
