#include "ui/diplomes/FenetreProgression.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImageWriter>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>

#include "core/diplomes/Rapports.h"
#include "core/journal/Carnet.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Printer.h"
#include "platform/Windows.h"
#include "ui/diplomes/FenetreCarte.h"
#include "ui/diplomes/GraphiquesProgression.h"
#include "ui/diplomes/OutilsDiplomes.h"

using Windows::nomme;

namespace {

// The picture saved and printed: wide enough for a dozen month labels and
// every band side by side.
const QSize TailleImage(1200, 900);

DonneesGraphiques donnees(const Progression::Figures& f, const QStringList& entete) {
    DonneesGraphiques d;
    d.entete = entete;
    d.premierMois = f.premierMois;
    d.diplome = f.diplome;
    d.contactees = f.contactees;
    d.confirmees = f.confirmees;
    for (qsizetype i = 0; i < f.nombreMois(); ++i) d.bullesMois << Progression::bulleMois(f, i);
    const int compte = f.diplome.value(f.nombreMois() - 1);
    for (const Rapports::Niveau& n : Rapports::niveaux())
        d.seuils.append({n.seuil, Progression::libelleSeuil(n), compte >= n.seuil});
    for (const Progression::Bande& b : f.bandes) {
        d.bandes << b.nom;
        d.bandesContactees << b.contactees;
        d.bandesConfirmees << b.confirmees;
        d.bullesBandes << Progression::bulleBande(b);
    }
    d.contactee = FenetreCarte::JaunePale;
    d.confirmee = FenetreCarte::VertPale;
    return d;
}

}  // namespace

FenetreProgression::FenetreProgression(AppContext& c, QWidget* parent) : QWidget(parent), ctx(c) {
    setObjectName(QStringLiteral("FenetreProgression"));
    setWindowTitle(QStringLiteral("Progression DCF"));

    auto* racine = new QVBoxLayout(this);
    titre = nomme(new QLabel, QStringLiteral("titre"));
    QFont gras = titre->font();
    gras.setPointSize(14);
    gras.setBold(true);
    titre->setFont(gras);
    resume = nomme(new QLabel, QStringLiteral("resume"));
    projection = nomme(new QLabel, QStringLiteral("projection"));
    for (QLabel* l : {titre, resume, projection}) racine->addWidget(l);

    graphiques = GraphiquesProgression::creer(this);
    if (graphiques) {
        nomme(graphiques, QStringLiteral("graphiques"));
        racine->addWidget(graphiques, 1);
    } else {
        graphiquesAbsents = nomme(new QLabel(QStringLiteral("Les graphiques ne peuvent pas s'afficher : le module "
                                                            "vitralog_graphiques de Vitralog est introuvable.")),
                                  QStringLiteral("graphiquesAbsents"));
        graphiquesAbsents->setAlignment(Qt::AlignCenter);
        racine->addWidget(graphiquesAbsents, 1);
    }

    boutonEnregistrerImage =
        nomme(new QPushButton(QStringLiteral("Enregistrer l'image…")), QStringLiteral("boutonEnregistrerImage"));
    boutonImprimer = nomme(new QPushButton(QStringLiteral("Imprimer")), QStringLiteral("boutonImprimer"));
    boutonQuitter = nomme(new QPushButton(QStringLiteral("Quitter")), QStringLiteral("boutonQuitter"));
    racine->addLayout(OutilsDiplomes::rangeeBoutons({boutonEnregistrerImage, boutonImprimer, boutonQuitter}));
    boutonEnregistrerImage->setEnabled(graphiques != nullptr);
    boutonImprimer->setEnabled(graphiques != nullptr);

    connect(boutonEnregistrerImage, &QPushButton::clicked, this, &FenetreProgression::enregistrerImage);
    connect(boutonImprimer, &QPushButton::clicked, this, &FenetreProgression::imprimer);
    connect(boutonQuitter, &QPushButton::clicked, this, &QWidget::close);

    // Read when it opens, as every award window; then each change is followed.
    OutilsDiplomes::lireLog(ctx);
    actualiser();
    connect(ctx.carnet, &Carnet::modifie, this, &FenetreProgression::actualiser);
}

QSize FenetreProgression::sizeHint() const { return QSize(1000, 760).expandedTo(minimumSizeHint()); }

void FenetreProgression::actualiser() {
    const QDate aujourdhui = ctx.clock->localNow().date();
    figures_ = Progression::calculer(*ctx.carnet, aujourdhui);
    entete_ = QStringList{QStringLiteral("Progression DCF de %1 au %2")
                              .arg(ctx.station, aujourdhui.toString(QStringLiteral("dd/MM/yyyy"))),
                          Progression::resume(figures_), Progression::projection(figures_)};
    titre->setText(entete_[0]);
    resume->setText(entete_[1]);
    projection->setText(entete_[2]);
    if (graphiques) graphiques->montrer(donnees(figures_, entete_));
}

QImage FenetreProgression::image(qreal echelle) const {
    return graphiques ? graphiques->image(TailleImage, echelle) : QImage();
}

bool FenetreProgression::enregistrerImageSous(const QString& chemin) {
    const QString nom = QFileInfo(chemin).fileName();
    // Written whole beside the target, then renamed over it.
    QSaveFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly) || !QImageWriter(&fichier, "png").write(image()) || !fichier.commit()) {
        ctx.dialogs->notice(QStringLiteral("Impossible d'enregistrer le fichier ") + nom);
        return false;
    }
    ctx.dialogs->notice(QStringLiteral("Image enregistrée sous le nom : ") + nom);
    return true;
}

void FenetreProgression::enregistrerImage() {
    const QString propose = ctx.path(ctx.station + QStringLiteral("_Progression_DCF_") +
                                     Rapports::partieDate(ctx.clock->todayShort()) + QStringLiteral(".png"));
    QString chemin = QFileDialog::getSaveFileName(this, QStringLiteral("Enregistrer l'image"), propose,
                                                  QStringLiteral("Images PNG (*.png)"));
    if (chemin.isEmpty()) return;
    if (QFileInfo(chemin).suffix().isEmpty()) chemin += QStringLiteral(".png");
    enregistrerImageSous(chemin);
}

void FenetreProgression::imprimer() {
    Printer* p = ctx.printer;
    if (!p) {
        ctx.dialogs->notice(QStringLiteral("Aucune imprimante n'est disponible"));
        return;
    }
    p->setLandscape(true);
    if (!p->dialog()) return;
    if (!p->begin()) {
        ctx.dialogs->notice(QStringLiteral("Aucune imprimante n'est disponible"));
        return;
    }
    // Twice the pixels of the saved picture: the page is finer than a screen.
    p->printImage(image(2));
    if (!p->endDoc()) ctx.dialogs->notice(QStringLiteral("L'impression a échoué"));
}
