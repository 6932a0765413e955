#include "ui/diplomes/DiplomesDCF.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/diplomes/Commun.h"
#include "ui/diplomes/ListeDCF.h"
#include "core/diplomes/Rapports.h"
#include "core/journal/Carnet.h"
#include "platform/Windows.h"

using Windows::nomme;

namespace {

void couleur(QLabel* l, const QColor& c) {
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, c);
    l->setPalette(p);
}

}  // namespace

Diplomes_DCF::Diplomes_DCF(AppContext& c, QWidget* parent) : QWidget(parent), ctx(c) {
    setObjectName(QStringLiteral("Diplomes_DCF"));
    setWindowTitle(QStringLiteral("Diplomes DCF"));

    auto* root = new QVBoxLayout(this);
    Frame1 = nomme(new QGroupBox, "Frame1");
    Label2 = nomme(new QLabel(QStringLiteral("Diplomes DCF")), "Label2");
    QFont titre = Label2->font();
    titre.setPointSize(18);
    titre.setBold(true);
    Label2->setFont(titre);
    Label2->setAlignment(Qt::AlignCenter);
    (new QVBoxLayout(Frame1))->addWidget(Label2);
    root->addWidget(Frame1);

    Frame2 = nomme(new QGroupBox, "Frame2");
    auto* blocs = new QVBoxLayout(Frame2);
    const QList<Rapports::Niveau>& niveaux = Rapports::niveaux();
    QLabel** statuts[] = {&Label4, &Label7, &Label12, &Label15};
    QLabel** comptes[] = {&Label18, &Label19, &Label20, &Label21};
    QPushButton** boutons[] = {&HF_Base, &HF_Excellence, &HF_Honneur, &HF_Trophe};
    QFrame** lignes[] = {&Line2, &Line3, &Line4};
    const char* nomsStatut[] = {"Label4", "Label7", "Label12", "Label15"};
    const char* nomsCompte[] = {"Label18", "Label19", "Label20", "Label21"};
    const char* nomsBouton[] = {"HF_Base", "HF_Excellence", "HF_Honneur", "HF_Trophe"};
    const char* nomsLigne[] = {"Line2", "Line3", "Line4"};
    for (int i = 0; i < 4; ++i) {
        QLabel* statut = *statuts[i] = nomme(new QLabel(niveaux[i].nonAtteint), nomsStatut[i]);
        couleur(statut, QColor(255, 0, 0));
        statut->setContentsMargins(8, 0, 0, 0);
        QLabel* compte = *comptes[i] = nomme(new QLabel(QStringLiteral("il vous manque ")), nomsCompte[i]);
        QPushButton* b = *boutons[i] = nomme(new QPushButton(QStringLiteral("Voir la liste")), nomsBouton[i]);
        b->setEnabled(false);
        b->setAutoDefault(false);
        b->setFixedWidth(81);
        blocs->addWidget(statut);
        blocs->addWidget(compte);
        blocs->addWidget(b, 0, Qt::AlignHCenter);
        if (i < 3) {
            QFrame* l = *lignes[i] = nomme(new QFrame, nomsLigne[i]);
            l->setFrameShape(QFrame::HLine);
            l->setFrameShadow(QFrame::Sunken);
            auto* rang = new QHBoxLayout;
            rang->addSpacing(56);
            rang->addWidget(l, 1);
            rang->addSpacing(56);
            blocs->addLayout(rang);
        }
    }
    root->addWidget(Frame2, 1);

    connect(HF_Base, &QPushButton::clicked, this, &Diplomes_DCF::HF_Base_Click);
    connect(HF_Excellence, &QPushButton::clicked, this, &Diplomes_DCF::HF_Excellence_Click);
    connect(HF_Honneur, &QPushButton::clicked, this, &Diplomes_DCF::HF_Honneur_Click);
    connect(HF_Trophe, &QPushButton::clicked, this, &Diplomes_DCF::HF_Trophe_Click);

    // The state of every level is decided here, once.
    const Carnet* log = Awards::lireLog(ctx);
    confirmes_ = log ? Rapports::compteConfirmes(*log) : 0;
    for (int i = 0; i < 4; ++i) {
        const Rapports::Niveau& n = niveaux[i];
        (*comptes[i])->setText(Rapports::texteCompte(n.seuil, confirmes_));
        if (confirmes_ >= n.seuil) {
            (*statuts[i])->setText(n.atteint);
            couleur(*statuts[i], QColor(0, 128, 0));
            (*boutons[i])->setEnabled(true);
        }
    }
}

void Diplomes_DCF::voirListe(int niveau) {
    ctx.Niveau_Diplome = Rapports::niveaux().at(niveau).mot;
    AppContext* c = &ctx;
    Windows::openSingle<Liste_DCF>([c] { return new Liste_DCF(*c); });
}
