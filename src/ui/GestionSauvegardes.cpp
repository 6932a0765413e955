#include "ui/GestionSauvegardes.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QTimer>

#include "core/Reglages.h"
#include "core/journal/Carnet.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/SettingsStore.h"
#include "ui/AppContext.h"

namespace GestionSauvegardes {

namespace {
void montrer(const AppContext& ctx) {
    if (!ctx.sauvegardes) return;
    const QString m = ctx.sauvegardes->messageAMontrer();
    if (!m.isEmpty()) ctx.dialogs->notice(m);
}
}  // namespace

Sauvegardes::Lieu lieu(const AppContext& ctx) {
    const QString choisi = ctx.settings->read(Reglages::App, Reglages::Global, Reglages::DossierSauvegardes, QString());
    Sauvegardes::Lieu l;
    l.dossier = choisi.isEmpty() ? ctx.path(QStringLiteral("Sauvegardes")) : choisi;
    l.creer = choisi.isEmpty();
    l.station = ctx.station;
    l.autres << ctx.path(QStringLiteral("Liste_Prenom.txt"));
    for (const QString& app : {Reglages::App, Reglages::ClusterApp})
        if (const QString f = ctx.settings->fichier(app); !f.isEmpty()) l.autres << f;
    return l;
}

void relier(AppContext& ctx) {
    QObject::connect(ctx.carnet, &Carnet::avantModification, ctx.carnet, [&ctx](const QByteArray& octets) {
        if (!ctx.sauvegardes) return;
        ctx.sauvegardes->avantModification(lieu(ctx), octets, ctx.clock->localNow());
        // Told once the change is written, not in the middle of it.
        QTimer::singleShot(0, ctx.carnet, [&ctx] { montrer(ctx); });
    });
}

void fermer(const AppContext& ctx) {
    if (!ctx.sauvegardes || !ctx.stationSet()) return;
    Carnet* c = ctx.carnetAJour();
    if (!c->present()) return;
    ctx.sauvegardes->aLaFermeture(lieu(ctx), c->octets(), ctx.clock->localNow());
    montrer(ctx);
}

void suivreAnnulation(QAction* action, const Carnet& carnet) {
    const QString derniere = carnet.derniereModification();
    action->setEnabled(!derniere.isEmpty());
    action->setText(derniere.isEmpty() ? QStringLiteral("&Annuler la dernière modification")
                                       : QStringLiteral("&Annuler : ") + derniere);
}

void annulerDerniere(AppContext& ctx) {
    const QString derniere = ctx.carnet->derniereModification();
    if (derniere.isEmpty()) return;
    if (!ctx.dialogs->question(Carnet::questionAnnulation(derniere), Dialogs::Defaut::Non)) return;
    const Carnet::Resultat r = ctx.carnet->annuler();
    if (!r.fait()) ctx.dialogs->notice(r.message);
}

QString choisirDossier(QWidget* parent, const QString& actuel) {
    return QFileDialog::getExistingDirectory(parent, QStringLiteral("Dossier des sauvegardes"), actuel);
}

void changerDossier(AppContext& ctx, QWidget* parent, const ChoixDossier& choisir) {
    const QString dossier = choisir(parent, lieu(ctx).dossier);
    if (dossier.isEmpty()) return;
    // Our own folder is stored as none: it follows the data folder.
    const bool parDefaut = QDir(dossier) == QDir(ctx.path(QStringLiteral("Sauvegardes")));
    ctx.settings->write(Reglages::App, Reglages::Global, Reglages::DossierSauvegardes, parDefaut ? QString() : dossier);
}

}  // namespace GestionSauvegardes
