#pragma once
#include <QString>
#include <QUrl>

struct AppContext;

// The three web servers the program talks to. Each default can be replaced
// in the settings store (application "DCF", section "Setup ") by a full
// address such as "http://miroir.exemple.fr" or "http://127.0.0.1:8080".
namespace Serveurs {

// Reference list: the program maker's server (key "Serveur Liste DCF").
inline const QString ListeParDefaut = QStringLiteral("http://www.vitralog.fr");
// Award rules: the award's public server (key "Serveur Reglement").
inline const QString ReglementParDefaut = QStringLiteral("http://www.diplome-dcf.fr");
// DX cluster: a public service with one page per band (key "Serveur Cluster").
inline const QString ClusterParDefaut = QStringLiteral("http://www.dxcluster-web.fr");

inline const QString CheminListe = QStringLiteral("/Vitralog/Liste_DCF.csv");
inline const QString CheminReglement = QStringLiteral("/WEB/DCF.html");

QString liste(const AppContext& ctx);
QString reglement(const AppContext& ctx);
QString cluster(const AppContext& ctx);

// The server's address followed by the path, with one "/" between them.
QUrl adresse(const QString& serveur, const QString& chemin);

}  // namespace Serveurs
