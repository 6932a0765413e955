#include "ui/web/Serveurs.h"

#include "core/Reglages.h"
#include "platform/SettingsStore.h"
#include "ui/AppContext.h"

namespace Serveurs {

namespace {

QString lire(const AppContext& ctx, const QString& key, const QString& def) {
    const QString v = ctx.settings->read(Reglages::App, Reglages::Global, key, def).trimmed();
    return v.isEmpty() ? def : v;
}

}  // namespace

QString liste(const AppContext& ctx) { return lire(ctx, Reglages::ServeurListe, ListeParDefaut); }
QString reglement(const AppContext& ctx) { return lire(ctx, Reglages::ServeurReglement, ReglementParDefaut); }
QString cluster(const AppContext& ctx) { return lire(ctx, Reglages::ServeurCluster, ClusterParDefaut); }

QUrl adresse(const QString& serveur, const QString& chemin) {
    QString base = serveur;
    while (base.endsWith(QLatin1Char('/'))) base.chop(1);
    return QUrl(base + chemin, QUrl::StrictMode);
}

}  // namespace Serveurs
