#include "ui/web/Cluster.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/widgets/Couleurs.h"
#include "ui/widgets/Combos.h"
#include "core/Reglages.h"
#include "platform/SettingsStore.h"
#include "platform/WebView.h"
#include "platform/Windows.h"
#include "core/web/PagesCluster.h"
#include "ui/web/Serveurs.h"
#include "ui/web/VueWeb.h"

using Windows::nomme;

Cluster::Cluster(AppContext& c, QWidget* parent) : QWidget(parent), ctx(c) {
    setObjectName(QStringLiteral("Cluster"));
    setWindowTitle(QStringLiteral("Cluster"));

    Frame1 = nomme(new QGroupBox(this), "Frame1");
    Label2 = nomme(new QLabel(QStringLiteral("Cluster DX : stations signalées en CW"), Frame1),
                   "Label2");
    QFont gras = Label2->font();
    gras.setBold(true);
    Label2->setFont(gras);
    Label3 = nomme(new QLabel(QStringLiteral("Bande"), Frame1), "Label3");
    auto* cadre = new QHBoxLayout(Frame1);
    cadre->addWidget(Label2);
    cadre->addSpacing(24);
    cadre->addWidget(Label3);

    Bande_CL = nomme(new QComboBox(this), "Bande_CL");
    Bande_CL->setEditable(true);
    Bande_CL->setInsertPolicy(QComboBox::NoInsert);
    Bande_CL->setMinimumContentsLength(8);
    Couleurs::fond(Bande_CL, Couleurs::JauneClair);
    Label3->setBuddy(Bande_CL);

    Afficher = nomme(new QPushButton(QStringLiteral("Afficher"), this), "Afficher");
    Label1 = nomme(new QLabel(QStringLiteral("Cluster remis a jour toutes les minutes"), this),
                   "Label1");

    auto* haut = new QHBoxLayout;
    haut->addWidget(Frame1);
    haut->addWidget(Bande_CL);
    haut->addWidget(Afficher);
    haut->addStretch(1);
    haut->addWidget(Label1);

    WebBrowser1 = creerWebView(ctx, this);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));

    auto* lay = new QVBoxLayout(this);
    lay->addLayout(haut);
    lay->addWidget(WebBrowser1, 1);

    connect(Afficher, &QPushButton::clicked, this, &Cluster::Afficher_Click);

    Bande_CL->addItems(PagesCluster::entrees());
    const int stockee =
        ctx.settings->readIndex(Keys::ClusterApp, ctx.stationSection(), Keys::BandeCluster, 0);
    Bande_CL->setCurrentIndex(stockee >= 0 && stockee < Bande_CL->count() ? stockee : -1);
}

void Cluster::rafraichir() {
    const int index = indexCombo(Bande_CL);
    ctx.settings->write(Keys::ClusterApp, ctx.stationSection(), Keys::BandeCluster,
                        QString::number(index));
    const QString page = PagesCluster::page(index);
    if (page.isEmpty()) return;
    WebBrowser1->navigate(Serveurs::adresse(Serveurs::cluster(ctx), page));
}

Cluster* ouvrirCluster(AppContext& ctx) {
    bool neuve = false;
    Cluster* w = Windows::openSingle<Cluster>([&] {
        neuve = true;
        return new Cluster(ctx);
    });
    if (neuve) w->rafraichir();
    return w;
}
