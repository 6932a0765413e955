#include "ui/FenetreRecherche.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QStringListModel>
#include <QStyle>
#include <QVBoxLayout>
#include <functional>

#include "core/journal/Carnet.h"
#include "core/journal/LigneQso.h"
#include "core/recherche/Recherche.h"
#include "platform/Dialogs.h"
#include "platform/KeyPress.h"
#include "platform/Windows.h"
#include "ui/diplomes/OutilsDiplomes.h"
#include "ui/widgets/Couleurs.h"
#include "ui/widgets/EnteteListe.h"

using Windows::nomme;

namespace {

// A mouse click in a text box, which only the user makes: reaching the box
// with the keyboard selects no option.
class Clic : public QObject {
public:
    Clic(QWidget* w, std::function<void()> f) : QObject(w), f_(std::move(f)) { w->installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* ev) override {
        if (ev->type() == QEvent::MouseButtonPress) f_();
        return false;
    }

private:
    std::function<void()> f_;
};

int majuscule(int code) { return code >= 97 && code <= 122 ? code - 32 : code; }

}  // namespace

FenetreRecherche::FenetreRecherche(AppContext& c, const QFont& police, QWidget* parent) : QWidget(parent), ctx_(c) {
    setObjectName(QStringLiteral("FenetreRecherche"));
    setWindowTitle(QStringLiteral("Rechercher un QSO"));

    auto* root = new QVBoxLayout(this);
    auto* titre = nomme(new QLabel(QStringLiteral("Rechercher un QSO par ...")), "titre");
    QFont gras = titre->font();
    gras.setBold(true);
    titre->setFont(gras);
    root->addWidget(titre);

    auto* criteres = new QHBoxLayout;
    groupeChoix_ = new QButtonGroup(this);
    auto* choixIndicatif = nomme(new QRadioButton(QStringLiteral("Indicatif")), "choixIndicatif");
    auto* choixReference = nomme(new QRadioButton(QStringLiteral("N° DCF")), "choixReference");
    auto* choixDepartement = nomme(new QRadioButton(QStringLiteral("Dpt")), "choixDepartement");
    champIndicatif_ = nomme(new QLineEdit, "champIndicatif");
    champReference_ = nomme(new QLineEdit, "champReference");
    champDepartement_ = nomme(new QLineEdit, "champDepartement");
    const QFontMetrics fm(champIndicatif_->font());
    const int largeurs[3] = {13, 8, 3};
    QRadioButton* const choix[3] = {choixIndicatif, choixReference, choixDepartement};
    for (int i = 0; i < 3; ++i) {
        groupeChoix_->addButton(choix[i], i + 1);
        QLineEdit* b = champ(i + 1);
        b->setFixedWidth(fm.horizontalAdvance(QString(largeurs[i], QLatin1Char('W'))) + 12);
        Couleurs::fond(b, Couleurs::JauneClair);
        criteres->addWidget(choix[i]);
        criteres->addWidget(b);
        criteres->addSpacing(16);
    }
    choixIndicatif->setChecked(true);
    criteres->addStretch();
    auto* boutonQuitter = nomme(new QPushButton(QStringLiteral("Quitter")), "boutonQuitter");
    boutonQuitter->setAutoDefault(false);
    boutonQuitter->setMinimumWidth(81);
    criteres->addWidget(boutonQuitter);
    root->addLayout(criteres);

    auto* liste = new QVBoxLayout;
    liste->setSpacing(0);
    auto* entete = nomme(new EnteteListe, "entete");
    liste->addWidget(entete);
    modele_ = new QStringListModel(this);
    listeResultats_ = nomme(new QListView, "listeResultats");
    listeResultats_->setModel(modele_);
    listeResultats_->setUniformItemSizes(true);
    listeResultats_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    listeResultats_->setSelectionMode(QAbstractItemView::SingleSelection);
    listeResultats_->setToolTip(QStringLiteral("Double clique sur le QSO pour retour au log"));
    Couleurs::fond(listeResultats_, Couleurs::JauneClair);
    // The results are lines of the log list: the same font keeps their columns.
    const QFont& fixe = police;
    listeResultats_->setFont(fixe);
    listeResultats_->setMinimumSize(
        OutilsDiplomes::largeurLignes(listeResultats_, fixe, LigneQso::LongueurAffichage + 1), 300);
    entete->setText(LigneQso::Entete);
    entete->alignerSur(listeResultats_);
    liste->addWidget(listeResultats_, 1);
    root->addLayout(liste, 1);

    // Choosing an option puts the cursor in its box.
    connect(groupeChoix_, &QButtonGroup::idClicked, this, [this](int option) { champ(option)->setFocus(); });
    for (int i = 0; i < 3; ++i) {
        QRadioButton* option = choix[i];
        new Clic(champ(i + 1), [option] { option->setChecked(true); });
    }
    KeyPress::install(champIndicatif_, [this](int code) { return toucheIndicatif(code); });
    KeyPress::install(champReference_, [this](int code) { return toucheReference(code); });
    KeyPress::install(champDepartement_, [this](int code) { return toucheDepartement(code); });
    connect(listeResultats_, &QListView::doubleClicked, this,
            [this](const QModelIndex& i) { choisirResultat(i.row()); });
    connect(boutonQuitter, &QPushButton::clicked, this, &QWidget::close);

    champIndicatif_->clear();
    champIndicatif_->setFocus();
}

QLineEdit* FenetreRecherche::champ(int option) const {
    return option == Recherche::ParReference     ? champReference_
           : option == Recherche::ParDepartement ? champDepartement_
                                                 : champIndicatif_;
}

int FenetreRecherche::optionChoisie() const {
    const int id = groupeChoix_->checkedId();
    return id < 1 ? Recherche::ParIndicatif : id;
}

int FenetreRecherche::toucheIndicatif(int code) {
    if (code != KeyPress::Enter) return majuscule(code);
    const QString refus = Recherche::controleIndicatif(champIndicatif_->text());
    if (!refus.isEmpty()) {
        ctx_.dialogs->notice(refus);
        return 0;
    }
    lancerRecherche();
    return 0;
}

int FenetreRecherche::toucheReference(int code) {
    if (code != KeyPress::Enter) return majuscule(code);
    const QString refus = Recherche::controleReference(champReference_->text());
    if (!refus.isEmpty()) {
        ctx_.dialogs->notice(refus);
        return 0;
    }
    lancerRecherche();
    return 0;
}

int FenetreRecherche::toucheDepartement(int code) {
    if (code != KeyPress::Enter) return code;
    champDepartement_->setText(champDepartement_->text().toLower());
    const QString refus = Recherche::controleDepartement(champDepartement_->text());
    if (!refus.isEmpty()) {
        ctx_.dialogs->notice(refus);
        return 0;
    }
    lancerRecherche();
    return 0;
}

void FenetreRecherche::lancerRecherche() {
    modele_->setStringList({});
    const Carnet* carnet = ctx_.carnet;
    if (carnet && carnet->nombre() > 0) {
        const int option = optionChoisie();
        QLineEdit* b = champ(option);
        if (b->text().startsWith(QLatin1String("\r\n"))) b->setText(b->text().mid(2));
        if (b->text().isEmpty()) {
            ctx_.dialogs->notice(Recherche::messageCritereVide(option));
            return;
        }
        QStringList trouves;
        for (int row : Recherche::chercher(*carnet, option, b->text()))
            trouves.append(LigneQso::affichage(carnet->texte(row), row + 1));
        modele_->setStringList(trouves);
    }
    if (modele_->rowCount() == 0) ctx_.dialogs->notice(QStringLiteral("Pas de QSO trouvé"));
    champIndicatif_->clear();
    champReference_->clear();
    champDepartement_->clear();
}

void FenetreRecherche::choisirResultat(int row) {
    const QStringList r = modele_->stringList();
    if (row < 0 || row >= r.size()) return;
    if (const Carnet* c = ctx_.carnet) {
        const int ligne = Recherche::ligneDuNumero(Recherche::numero(r.at(row)), int(c->nombre()),
                                                   [c](int i) { return LigneQso::affichage(c->texte(i), i + 1); });
        if (ligne >= 0) emit qsoChoisi(ligne);
    }
    close();
}

QStringList FenetreRecherche::resultats() const { return modele_->stringList(); }
