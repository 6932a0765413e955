#include "ui/diplomes/FenetreDiplomes.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/diplomes/Rapports.h"
#include "core/journal/Carnet.h"
#include "platform/Windows.h"
#include "ui/diplomes/FenetreListeDiplome.h"
#include "ui/diplomes/FenetreProgression.h"
#include "ui/diplomes/OutilsDiplomes.h"

using Windows::nomme;

namespace {

void couleur(QLabel* l, const QColor& c) {
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, c);
    l->setPalette(p);
}

}  // namespace

FenetreDiplomes::FenetreDiplomes(AppContext& c, QWidget* parent) : QWidget(parent), ctx_(c) {
    setObjectName(QStringLiteral("FenetreDiplomes"));
    setWindowTitle(QStringLiteral("Diplomes DCF"));

    auto* root = new QVBoxLayout(this);
    auto* cadreTitre = nomme(new QGroupBox, "cadreTitre");
    auto* titre = nomme(new QLabel(QStringLiteral("Diplomes DCF")), "titre");
    QFont grand = titre->font();
    grand.setPointSize(18);
    grand.setBold(true);
    titre->setFont(grand);
    titre->setAlignment(Qt::AlignCenter);
    (new QVBoxLayout(cadreTitre))->addWidget(titre);
    root->addWidget(cadreTitre);

    auto* cadreNiveaux = nomme(new QGroupBox, "cadreNiveaux");
    auto* blocs = new QVBoxLayout(cadreNiveaux);
    const QList<Rapports::Niveau>& niveaux = Rapports::niveaux();
    // Per level: reached or not, the count still missing, the list's button.
    QLabel *statuts[4], *comptes[4];
    QPushButton* boutons[4];
    const char* nomsNiveau[] = {"Base", "Excellence", "Honneur", "Trophee"};
    for (int i = 0; i < 4; ++i) {
        const QString nom = QString::fromLatin1(nomsNiveau[i]);
        QLabel* statut = statuts[i] = nomme(new QLabel(niveaux[i].nonAtteint), QStringLiteral("statut") + nom);
        couleur(statut, QColor(255, 0, 0));
        statut->setContentsMargins(8, 0, 0, 0);
        QLabel* compte = comptes[i] =
            nomme(new QLabel(QStringLiteral("il vous manque ")), QStringLiteral("compte") + nom);
        QPushButton* b = boutons[i] =
            nomme(new QPushButton(QStringLiteral("Voir la liste")), QStringLiteral("bouton") + nom);
        b->setEnabled(false);
        b->setAutoDefault(false);
        b->setFixedWidth(81);
        connect(b, &QPushButton::clicked, this, [this, i] { voirListe(i); });
        blocs->addWidget(statut);
        blocs->addWidget(compte);
        blocs->addWidget(b, 0, Qt::AlignHCenter);
        if (i < 3) {
            auto* separateur = nomme(new QFrame, QStringLiteral("separateur%1").arg(i + 1));
            separateur->setFrameShape(QFrame::HLine);
            separateur->setFrameShadow(QFrame::Sunken);
            auto* rang = new QHBoxLayout;
            rang->addSpacing(56);
            rang->addWidget(separateur, 1);
            rang->addSpacing(56);
            blocs->addLayout(rang);
        }
    }
    root->addWidget(cadreNiveaux, 1);

    auto* boutonProgression = nomme(new QPushButton(QStringLiteral("&Progression…")), "boutonProgression");
    boutonProgression->setAutoDefault(false);
    connect(boutonProgression, &QPushButton::clicked, this, [this] {
        AppContext* c = &ctx_;
        Windows::openSingle<FenetreProgression>([c] { return new FenetreProgression(*c); });
    });
    root->addWidget(boutonProgression, 0, Qt::AlignHCenter);

    // The state of every level is decided here, once.
    const Carnet* log = OutilsDiplomes::lireLog(ctx_);
    confirmes_ = log ? Rapports::compteConfirmes(*log) : 0;
    for (int i = 0; i < 4; ++i) {
        const Rapports::Niveau& n = niveaux[i];
        comptes[i]->setText(Rapports::texteCompte(n.seuil, confirmes_));
        if (confirmes_ >= n.seuil) {
            statuts[i]->setText(n.atteint);
            couleur(statuts[i], QColor(0, 128, 0));
            boutons[i]->setEnabled(true);
        }
    }
}

void FenetreDiplomes::voirListe(int niveau) {
    const QString mot = Rapports::niveaux().at(niveau).mot;
    AppContext* c = &ctx_;
    FenetreListeDiplome* liste =
        Windows::openSingle<FenetreListeDiplome>([c, &mot] { return new FenetreListeDiplome(*c, mot); });
    // An open list keeps its title but saves and prints under the level chosen now.
    liste->choisirNiveau(mot);
}
