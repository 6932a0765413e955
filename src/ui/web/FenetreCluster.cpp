#include "ui/web/FenetreCluster.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Reglages.h"
#include "core/web/PagesCluster.h"
#include "platform/SettingsStore.h"
#include "platform/WebView.h"
#include "platform/Windows.h"
#include "ui/web/Serveurs.h"
#include "ui/web/VueWeb.h"
#include "ui/widgets/Combos.h"
#include "ui/widgets/Couleurs.h"

using Windows::nomme;

FenetreCluster::FenetreCluster(AppContext& c, QWidget* parent) : QWidget(parent), ctx_(c) {
    setObjectName(QStringLiteral("FenetreCluster"));
    setWindowTitle(QStringLiteral("Cluster"));

    auto* cadreTitre = nomme(new QGroupBox(this), "cadreTitre");
    auto* titre = nomme(new QLabel(QStringLiteral("Cluster DX : stations signalées en CW"), cadreTitre), "titre");
    QFont gras = titre->font();
    gras.setBold(true);
    titre->setFont(gras);
    auto* legendeBande = nomme(new QLabel(QStringLiteral("Bande"), cadreTitre), "legendeBande");
    auto* cadre = new QHBoxLayout(cadreTitre);
    cadre->addWidget(titre);
    cadre->addSpacing(24);
    cadre->addWidget(legendeBande);

    choixBande_ = nomme(new QComboBox(this), "choixBande");
    choixBande_->setEditable(true);
    choixBande_->setInsertPolicy(QComboBox::NoInsert);
    choixBande_->setMinimumContentsLength(8);
    Couleurs::fond(choixBande_, Couleurs::JauneClair);
    legendeBande->setBuddy(choixBande_);

    auto* boutonAfficher = nomme(new QPushButton(QStringLiteral("Afficher"), this), "boutonAfficher");
    auto* etiquetteRafraichissement =
        nomme(new QLabel(QStringLiteral("Cluster remis a jour toutes les minutes"), this), "etiquetteRafraichissement");

    auto* haut = new QHBoxLayout;
    haut->addWidget(cadreTitre);
    haut->addWidget(choixBande_);
    haut->addWidget(boutonAfficher);
    haut->addStretch(1);
    haut->addWidget(etiquetteRafraichissement);

    vueWeb_ = nomme(VueWeb::creer(ctx_, this), "vueWeb");

    auto* lay = new QVBoxLayout(this);
    lay->addLayout(haut);
    lay->addWidget(vueWeb_, 1);

    connect(boutonAfficher, &QPushButton::clicked, this, &FenetreCluster::rafraichir);

    choixBande_->addItems(PagesCluster::entrees());
    const int stockee =
        ctx_.settings->readIndex(Reglages::ClusterApp, ctx_.stationSection(), Reglages::BandeCluster, 0);
    choixBande_->setCurrentIndex(stockee >= 0 && stockee < choixBande_->count() ? stockee : -1);
}

void FenetreCluster::rafraichir() {
    const int index = Combos::indexDuTexte(choixBande_);
    ctx_.settings->write(Reglages::ClusterApp, ctx_.stationSection(), Reglages::BandeCluster, QString::number(index));
    const QString page = PagesCluster::page(index);
    if (page.isEmpty()) return;
    vueWeb_->navigate(Serveurs::adresse(Serveurs::cluster(ctx_), page));
}

FenetreCluster* ouvrirCluster(AppContext& ctx) {
    bool neuve = false;
    FenetreCluster* w = Windows::openSingle<FenetreCluster>([&] {
        neuve = true;
        return new FenetreCluster(ctx);
    });
    if (neuve) w->rafraichir();
    return w;
}
