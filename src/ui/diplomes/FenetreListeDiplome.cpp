#include "ui/diplomes/FenetreListeDiplome.h"

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

FenetreListeDiplome::FenetreListeDiplome(AppContext& c, const QString& niveau, QWidget* parent)
    : QWidget(parent), ctx_(c), niveau_(niveau) {
    setObjectName(QStringLiteral("FenetreListeDiplome"));
    setWindowTitle(QStringLiteral("Diplôme DCF"));

    auto* root = new QVBoxLayout(this);
    QFont gras = font();
    gras.setPointSize(12);
    gras.setBold(true);

    auto* cadreTitre = nomme(new QGroupBox, "cadreTitre");
    auto* etiquetteNiveau = nomme(new QLabel(QStringLiteral("Diplome DCF")), "etiquetteNiveau");
    auto* etiquetteNombre = nomme(new QLabel(QStringLiteral("Cathédrales confirmées")), "etiquetteNombre");
    etiquetteNiveau->setFont(gras);
    etiquetteNombre->setFont(gras);
    auto* titre = new QVBoxLayout(cadreTitre);
    titre->addWidget(etiquetteNiveau);
    titre->addWidget(etiquetteNombre);
    root->addWidget(cadreTitre);

    auto* cadreListe = nomme(new QGroupBox, "cadreListe");
    auto* liste = new QVBoxLayout(cadreListe);
    liste->setSpacing(0);
    const QFont fixe = OutilsDiplomes::policeFixe(9);
    // Same font as the list: the header reads as written, each title at its
    // own column of the list.
    auto* entete = nomme(new EnteteColonnes(Rapports::EnteteListeDiplome, {{QStringLiteral("Ref"), 5},
                                                                           {QStringLiteral("Dpt"), 13},
                                                                           {QStringLiteral("Nom de la cathédrale"), 19},
                                                                           {QStringLiteral("Date"), 52},
                                                                           {QStringLiteral("Heure"), 59},
                                                                           {QStringLiteral("Indicatif"), 65}}),
                         "entete");
    liste->addWidget(entete);
    listeConfirmees_ = nomme(new QListView, "listeConfirmees");
    modele_ = new ModeleEntrees(this);
    listeConfirmees_->setModel(modele_);
    listeConfirmees_->setUniformItemSizes(true);
    listeConfirmees_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    listeConfirmees_->setFont(fixe);
    Couleurs::fond(listeConfirmees_, Couleurs::JauneClair);
    listeConfirmees_->setMinimumSize(OutilsDiplomes::largeurLignes(listeConfirmees_, fixe, 80), 424);
    entete->alignerSur(listeConfirmees_);
    liste->addWidget(listeConfirmees_, 1);
    root->addWidget(cadreListe, 1);

    auto* boutonEnregistrer = nomme(new QPushButton(QStringLiteral("Enregistrer")), "boutonEnregistrer");
    auto* boutonImprimer = nomme(new QPushButton(QStringLiteral("Imprimer")), "boutonImprimer");
    auto* boutonQuitter = nomme(new QPushButton(QStringLiteral("Quitter")), "boutonQuitter");
    root->addLayout(OutilsDiplomes::rangeeBoutons({boutonEnregistrer, boutonImprimer, boutonQuitter}));
    boutonEnregistrer->setEnabled(false);
    boutonImprimer->setEnabled(false);

    connect(boutonEnregistrer, &QPushButton::clicked, this, &FenetreListeDiplome::enregistrer);
    connect(boutonImprimer, &QPushButton::clicked, this, &FenetreListeDiplome::imprimer);
    connect(boutonQuitter, &QPushButton::clicked, this, &QWidget::close);

    etiquetteNiveau->setText(QStringLiteral("Diplome DCF ") + niveau_);
    if (const Carnet* log = OutilsDiplomes::lireLog(ctx_)) modele_->remplacer(Rapports::entreesDiplome(*log));
    etiquetteNombre->setText(QLatin1Char(' ') + QString::number(modele_->rowCount()) +
                             QStringLiteral(" Cathédrales confirmées"));
    boutonImprimer->setEnabled(true);
    boutonEnregistrer->setEnabled(true);
}

QStringList FenetreListeDiplome::entrees() const { return modele_->entrees().textes(); }

void FenetreListeDiplome::enregistrer() {
    const QString aujourdhui = ctx_.clock->todayShort();
    OutilsDiplomes::enregistrer(
        ctx_, Rapports::nomFichierDiplome(ctx_.station, niveau_, aujourdhui),
        Rapports::rapportDiplome(ctx_.station, niveau_, aujourdhui, entrees(), Rapports::Support::Fichier),
        QStringLiteral("Fichier enregistré sous le nom : "));
}

void FenetreListeDiplome::imprimer() {
    OutilsDiplomes::imprimer(ctx_,
                             Rapports::rapportDiplome(ctx_.station, niveau_, ctx_.clock->todayShort(), entrees(),
                                                      Rapports::Support::Impression),
                             false);
}
