#include "core/web/PageInaccessible.h"

namespace PageInaccessible {

QString texteRaison(Raison raison, int code) {
    switch (raison) {
        case Raison::NomInconnu:
            return QStringLiteral(
                "Le nom du serveur est introuvable : l'ordinateur n'est peut-être pas relié "
                "à Internet.");
        case Raison::ConnexionRefusee: return QStringLiteral("Le serveur a refusé la connexion.");
        case Raison::ConnexionCoupee: return QStringLiteral("La connexion au serveur a été interrompue.");
        case Raison::DelaiDepasse: return QStringLiteral("Le serveur n'a pas répondu à temps.");
        case Raison::HorsReseau: return QStringLiteral("L'ordinateur n'est pas relié au réseau.");
        case Raison::Certificat:
            return QStringLiteral(
                "Le certificat de sécurité du serveur n'est pas valable : la page n'est pas "
                "ouverte.");
        case Raison::PortRefuse:
            return QStringLiteral(
                "Le moteur web refuse d'ouvrir une page sur ce port : l'adresse du serveur "
                "est à corriger.");
        case Raison::ErreurServeur: return QStringLiteral("Le serveur a répondu par l'erreur %1.").arg(code);
        case Raison::Autre: break;
    }
    return QStringLiteral("La page n'a pas pu être chargée (erreur %1).").arg(code);
}

QString html(const QString& adresse, Raison raison, int code, const QString& conseil) {
    const QString titre = QStringLiteral("Page inaccessible : ") + adresse;
    QString page = QStringLiteral(
                       "<!DOCTYPE html><html lang=\"fr\"><head><meta charset=\"utf-8\"><title>%1</title>"
                       "<style>body{font-family:sans-serif;margin:2em;color:#222}h1{font-size:1.3em}</style>"
                       "</head><body><h1>%1</h1><p>%2</p>")
                       .arg(titre.toHtmlEscaped(), texteRaison(raison, code).toHtmlEscaped());
    if (!conseil.isEmpty()) page += QStringLiteral("<p>") + conseil.toHtmlEscaped() + QStringLiteral("</p>");
    return page + QStringLiteral("</body></html>");
}

}  // namespace PageInaccessible
