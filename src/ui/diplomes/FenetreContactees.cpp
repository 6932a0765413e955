#include "ui/diplomes/FenetreContactees.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "core/diplomes/Rapports.h"
#include "core/journal/Carnet.h"
#include "platform/Clock.h"
#include "platform/Windows.h"
#include "ui/diplomes/ModeleEntrees.h"
#include "ui/diplomes/OutilsDiplomes.h"
#include "ui/widgets/Couleurs.h"

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

FenetreContactees::FenetreContactees(AppContext& c, QWidget* parent) : QWidget(parent), ctx_(c) {
    setObjectName(QStringLiteral("FenetreContactees"));
    setWindowTitle(QStringLiteral("DCF/DBF contactées"));

    auto* root = new QVBoxLayout(this);
    auto* cadreTitre = nomme(new QGroupBox, "cadreTitre");
    auto* titre =
        nomme(new QLabel(QStringLiteral("Liste alphanumerique des Cathédrales et Basiliques contactées")), "titre");
    QFont gras = titre->font();
    gras.setPointSize(12);
    gras.setBold(true);
    titre->setFont(gras);
    titre->setAlignment(Qt::AlignCenter);
    (new QVBoxLayout(cadreTitre))->addWidget(titre);
    root->addWidget(cadreTitre);

    // The title above says what the list is: its frame has no caption.
    auto* cadreListe = nomme(new QGroupBox, "cadreListe");
    auto* contenu = new QVBoxLayout(cadreListe);
    contenu->setSpacing(0);
    // Each title over the column it names, as in the saved file.
    auto* entete =
        nomme(new EnteteColonnes(Rapports::EnteteListeContactes, {{QStringLiteral("Ref"), 10},
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
              "entete");
    contenu->addWidget(entete);

    modele_ = new ModeleEntrees(this);
    modeleTrie_ = new ModeleEntrees(this);
    QListView* listeContactees = liste("listeContactees", modele_);
    const QFont fixe = OutilsDiplomes::policeFixe(8.25);
    listeContactees->setFont(fixe);
    Couleurs::fond(listeContactees, Couleurs::JauneClair);
    listeContactees->setMinimumSize(OutilsDiplomes::largeurLignes(listeContactees, fixe, 123), 424);
    entete->alignerSur(listeContactees);
    contenu->addWidget(listeContactees, 1);

    QListView* listeTriee = liste("listeTriee", modeleTrie_);
    listeTriee->setVisible(false);
    contenu->addWidget(listeTriee);
    root->addWidget(cadreListe, 1);

    auto* boutonEnregistrer = nomme(new QPushButton(QStringLiteral("Enregistrer")), "boutonEnregistrer");
    auto* boutonImprimer = nomme(new QPushButton(QStringLiteral("Imprimer")), "boutonImprimer");
    auto* boutonQuitter = nomme(new QPushButton(QStringLiteral("Quitter")), "boutonQuitter");
    root->addLayout(OutilsDiplomes::rangeeBoutons({boutonEnregistrer, boutonImprimer, boutonQuitter}));

    connect(boutonEnregistrer, &QPushButton::clicked, this, &FenetreContactees::enregistrer);
    connect(boutonImprimer, &QPushButton::clicked, this, &FenetreContactees::imprimer);
    connect(boutonQuitter, &QPushButton::clicked, this, &QWidget::close);

    if (const Carnet* log = OutilsDiplomes::lireLog(ctx_)) modele_->remplacer(Rapports::contactesSansDoublons(*log));
}

QStringList FenetreContactees::entrees() const { return modele_->entrees().textes(); }
QStringList FenetreContactees::entreesTriees() const {
    // The hidden list is only ever read: it is sorted when first asked for.
    if (!triees_) {
        triees_ = true;
        if (ctx_.carnet->present()) modeleTrie_->remplacer(Rapports::entreesContactes(*ctx_.carnet));
    }
    return modeleTrie_->entrees().textes();
}

void FenetreContactees::enregistrer() {
    const QString aujourdhui = ctx_.clock->todayShort();
    OutilsDiplomes::enregistrer(ctx_, Rapports::nomFichierContactes(ctx_.station, aujourdhui),
                                Rapports::rapportContactes(ctx_.station, aujourdhui, entrees()),
                                QStringLiteral("Le log a été enregistré sous le nom : "));
}

void FenetreContactees::imprimer() {
    // 122 columns of 9-point Courier do not fit across a portrait page.
    OutilsDiplomes::imprimer(ctx_, Rapports::rapportContactes(ctx_.station, ctx_.clock->todayShort(), entrees()), true);
}
