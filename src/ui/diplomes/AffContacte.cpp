#include "ui/diplomes/AffContacte.h"

#include <QFontMetricsF>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "ui/widgets/Couleurs.h"
#include "ui/diplomes/Commun.h"
#include "ui/diplomes/ModeleEntrees.h"
#include "core/journal/Carnet.h"
#include "core/diplomes/Rapports.h"
#include "platform/Clock.h"
#include "platform/Windows.h"

using Windows::nomme;

namespace {

QListView* liste(const char* name, ModeleEntrees* modele) {
    auto* l = nomme(new QListView, name);
    l->setModel(modele);
    l->setUniformItemSizes(true);
    l->setEditTriggers(QAbstractItemView::NoEditTriggers);
    return l;
}

}  // namespace

Aff_Contacte::Aff_Contacte(AppContext& c, QWidget* parent) : QWidget(parent), ctx(c) {
    setObjectName(QStringLiteral("Aff_Contacte"));
    setWindowTitle(QStringLiteral("DCF/DBF contactées"));

    auto* root = new QVBoxLayout(this);
    Frame1 = nomme(new QGroupBox, "Frame1");
    Label3 = nomme(new QLabel(QStringLiteral("Liste alphanumerique des Cathédrales et Basiliques contactées")),
                   "Label3");
    QFont gras = Label3->font();
    gras.setPointSize(12);
    gras.setBold(true);
    Label3->setFont(gras);
    Label3->setAlignment(Qt::AlignCenter);
    (new QVBoxLayout(Frame1))->addWidget(Label3);
    root->addWidget(Frame1);

    Frame2 = nomme(new QGroupBox(QStringLiteral("Liste des Cathédrales et Basiliques contactées ")), "Frame2");
    auto* f2 = new QVBoxLayout(Frame2);
    f2->setSpacing(0);
    // The header keeps its proportional font; its titles stand over the
    // columns they name, as in the saved file.
    Label2 = nomme(new EnteteColonnes(Rapports::EnteteListeContactes,
                                      {{QStringLiteral("Ref"), 10},
                                       {QStringLiteral("Indicatif"), 16},
                                       {QStringLiteral("Dpt"), 29},
                                       {QStringLiteral("Prénom"), 35},
                                       {QStringLiteral("Date"), 50},
                                       {QStringLiteral("QTR"), 59},
                                       {QStringLiteral("Mode"), 65},
                                       {QStringLiteral("QRG"), 72},
                                       {QStringLiteral("RstR"), 78},
                                       {QStringLiteral("RstE"), 83},
                                       {QStringLiteral("Nom de la Cathédrale"), 91},
                                       {QStringLiteral("QSL"), 120}}),
                   "Label2");
    f2->addWidget(Label2);

    modele = new ModeleEntrees(this);
    modeleBis = new ModeleEntrees(this);
    Liste_DCF_Contacte = liste("Liste_DCF_Contacte", modele);
    const QFont fixe = Awards::policeFixe(8.25);
    Liste_DCF_Contacte->setFont(fixe);
    Couleurs::fond(Liste_DCF_Contacte, Couleurs::JauneClair);
    const QFontMetricsF fm(fixe);
    const int marge = Awards::margeTexte(Liste_DCF_Contacte);
    Liste_DCF_Contacte->setMinimumSize(Awards::largeurLignes(Liste_DCF_Contacte, fixe, 123), 424);
    Label2->setColonnes(fm.horizontalAdvance(QLatin1Char('0')), marge);
    f2->addWidget(Liste_DCF_Contacte, 1);

    Liste_DCF_Contacte_bis = liste("Liste_DCF_Contacte_bis", modeleBis);
    Liste_DCF_Contacte_bis->setVisible(false);
    f2->addWidget(Liste_DCF_Contacte_bis);
    root->addWidget(Frame2, 1);

    Enregistrer = nomme(new QPushButton(QStringLiteral("Enregistrer")), "Enregistrer");
    Imprimer = nomme(new QPushButton(QStringLiteral("Imprimer")), "Imprimer");
    Quitter = nomme(new QPushButton(QStringLiteral("Quitter")), "Quitter");
    root->addLayout(Awards::rangeeBoutons({Enregistrer, Imprimer, Quitter}));

    connect(Enregistrer, &QPushButton::clicked, this, &Aff_Contacte::Enregistrer_Contactes);
    connect(Imprimer, &QPushButton::clicked, this, &Aff_Contacte::Imprimer_Contactes);
    connect(Quitter, &QPushButton::clicked, this, &Aff_Contacte::Quitter_Click);

    if (const Carnet* log = Awards::lireLog(ctx)) modele->remplacer(Rapports::contactesSansDoublons(*log));
}

QStringList Aff_Contacte::entrees() const { return modele->entrees().textes(); }
QStringList Aff_Contacte::entreesTriees() const {
    // The hidden list is only ever read: it is sorted when first asked for.
    if (!triees_) {
        triees_ = true;
        if (ctx.carnet->present()) modeleBis->remplacer(Rapports::entreesContactes(*ctx.carnet));
    }
    return modeleBis->entrees().textes();
}

void Aff_Contacte::Enregistrer_Contactes() {
    const QString aujourdhui = ctx.clock->todayShort();
    Awards::enregistrer(ctx, Rapports::nomFichierContactes(ctx.station, aujourdhui),
                        Rapports::fichierContactes(ctx.station, aujourdhui, entrees()),
                        QStringLiteral("Le log a été enregistré sous le nom : "));
}

void Aff_Contacte::Imprimer_Contactes() {
    // 122 columns of 9-point Courier do not fit across a portrait page.
    Awards::imprimer(ctx, Rapports::impressionContactes(ctx.station, ctx.clock->todayShort(), entrees()),
                     true);
}

void Aff_Contacte::Quitter_Click() { close(); }
