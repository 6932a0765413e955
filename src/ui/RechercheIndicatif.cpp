#include "ui/RechercheIndicatif.h"

#include <QButtonGroup>
#include <QEvent>
#include <QFontMetricsF>
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

Recherche_Indicatif::Recherche_Indicatif(AppContext& c, const QFont& police, QWidget* parent)
    : QWidget(parent), ctx(c) {
    setObjectName(QStringLiteral("Recherche_Indicatif"));
    setWindowTitle(QStringLiteral("Rechercher un QSO"));

    auto* root = new QVBoxLayout(this);
    Label3 = nomme(new QLabel(QStringLiteral("Rechercher un QSO par ...")), "Label3");
    QFont gras = Label3->font();
    gras.setBold(true);
    Label3->setFont(gras);
    root->addWidget(Label3);

    auto* criteres = new QHBoxLayout;
    groupe = new QButtonGroup(this);
    const QString titres[3] = {QStringLiteral("Indicatif"), QStringLiteral("N° DCF"), QStringLiteral("Dpt")};
    Indica = nomme(new QLineEdit, "Indica");
    Data = nomme(new QLineEdit, "Data");
    Depa = nomme(new QLineEdit, "Depa");
    const QFontMetrics fm(Indica->font());
    const int largeurs[3] = {13, 8, 3};
    for (int i = 0; i < 3; ++i) {
        Option1[i] = nomme(new QRadioButton(titres[i]), "Option1");
        Option1[i]->setProperty("Index", i + 1);
        groupe->addButton(Option1[i], i + 1);
        QLineEdit* b = boite(i + 1);
        b->setFixedWidth(fm.horizontalAdvance(QString(largeurs[i], QLatin1Char('W'))) + 12);
        Couleurs::fond(b, Couleurs::JauneClair);
        criteres->addWidget(Option1[i]);
        criteres->addWidget(b);
        criteres->addSpacing(16);
    }
    Option1[0]->setChecked(true);
    criteres->addStretch();
    Command1 = nomme(new QPushButton(QStringLiteral("Quitter")), "Command1");
    Command1->setAutoDefault(false);
    Command1->setMinimumWidth(81);
    criteres->addWidget(Command1);
    root->addLayout(criteres);

    auto* liste = new QVBoxLayout;
    liste->setSpacing(0);
    Label13 = nomme(new EnteteListe, "Label13");
    liste->addWidget(Label13);
    modele = new QStringListModel(this);
    QSO_Effectues = nomme(new QListView, "QSO_Effectues");
    QSO_Effectues->setModel(modele);
    QSO_Effectues->setUniformItemSizes(true);
    QSO_Effectues->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QSO_Effectues->setSelectionMode(QAbstractItemView::SingleSelection);
    QSO_Effectues->setToolTip(QStringLiteral("Double clique sur le QSO pour retour au log"));
    Couleurs::fond(QSO_Effectues, Couleurs::JauneClair);
    // The results are lines of the log list: the same font keeps their columns.
    const QFont& fixe = police;
    QSO_Effectues->setFont(fixe);
    const QFontMetricsF fmf(fixe);
    const int marge = OutilsDiplomes::margeTexte(QSO_Effectues);
    QSO_Effectues->setMinimumSize(OutilsDiplomes::largeurLignes(QSO_Effectues, fixe, LigneQso::LongueurAffichage + 1),
                                  300);
    QFont entete = fixe;
    entete.setBold(true);
    Label13->setFont(entete);
    Label13->setText(LigneQso::Entete);
    Label13->setColonnes(fmf.horizontalAdvance(QLatin1Char('0')), marge);
    liste->addWidget(QSO_Effectues, 1);
    root->addLayout(liste, 1);

    connect(groupe, &QButtonGroup::idClicked, this, &Recherche_Indicatif::Option1_Click);
    new Clic(Indica, [this] { Indica_Click(); });
    new Clic(Data, [this] { Data_Click(); });
    new Clic(Depa, [this] { Depa_Click(); });
    KeyPress::install(Indica, [this](int code) { return Indica_KeyPress(code); });
    KeyPress::install(Data, [this](int code) { return Data_KeyPress(code); });
    KeyPress::install(Depa, [this](int code) { return Depa_KeyPress(code); });
    connect(QSO_Effectues, &QListView::doubleClicked, this,
            [this](const QModelIndex& i) { QSO_Effectues_DblClick(i.row()); });
    connect(Command1, &QPushButton::clicked, this, &Recherche_Indicatif::Command1_Click);

    Indica->clear();
    Indica->setFocus();
}

QLineEdit* Recherche_Indicatif::boite(int option) const {
    return option == Recherche::ParReference ? Data : option == Recherche::ParDepartement ? Depa : Indica;
}

int Recherche_Indicatif::optionChoisie() const {
    const int id = groupe->checkedId();
    return id < 1 ? Recherche::ParIndicatif : id;
}

void Recherche_Indicatif::Option1_Click(int index) { boite(index)->setFocus(); }

void Recherche_Indicatif::Indica_Click() { Option1[0]->setChecked(true); }
void Recherche_Indicatif::Data_Click() { Option1[1]->setChecked(true); }
void Recherche_Indicatif::Depa_Click() { Option1[2]->setChecked(true); }

int Recherche_Indicatif::Indica_KeyPress(int code) {
    if (code != KeyPress::Enter) return majuscule(code);
    const QString refus = Recherche::controleIndicatif(Indica->text());
    if (!refus.isEmpty()) {
        ctx.dialogs->notice(refus);
        return 0;
    }
    Lance_Recherche();
    return 0;
}

int Recherche_Indicatif::Data_KeyPress(int code) {
    if (code != KeyPress::Enter) return majuscule(code);
    const QString refus = Recherche::controleReference(Data->text());
    if (!refus.isEmpty()) {
        ctx.dialogs->notice(refus);
        return 0;
    }
    Lance_Recherche();
    return 0;
}

int Recherche_Indicatif::Depa_KeyPress(int code) {
    if (code != KeyPress::Enter) return code;
    Depa->setText(Depa->text().toLower());
    const QString refus = Recherche::controleDepartement(Depa->text());
    if (!refus.isEmpty()) {
        ctx.dialogs->notice(refus);
        return 0;
    }
    Lance_Recherche();
    return 0;
}

void Recherche_Indicatif::Lance_Recherche() {
    modele->setStringList({});
    const Carnet* carnet = ctx.carnet;
    if (carnet && carnet->nombre() > 0) {
        const int option = optionChoisie();
        QLineEdit* b = boite(option);
        if (b->text().startsWith(QLatin1String("\r\n"))) b->setText(b->text().mid(2));
        if (b->text().isEmpty()) {
            ctx.dialogs->notice(Recherche::messageCritereVide(option));
            return;
        }
        QStringList trouves;
        for (int row : Recherche::chercher(*carnet, option, b->text()))
            trouves.append(LigneQso::affichage(carnet->texte(row), row + 1));
        modele->setStringList(trouves);
    }
    if (modele->rowCount() == 0) ctx.dialogs->notice(QStringLiteral("Pas de QSO trouvé"));
    Indica->clear();
    Data->clear();
    Depa->clear();
}

void Recherche_Indicatif::QSO_Effectues_DblClick(int row) {
    const QStringList r = modele->stringList();
    if (row < 0 || row >= r.size()) return;
    if (const Carnet* c = ctx.carnet) {
        const int ligne = Recherche::ligneDuNumero(Recherche::numero(r.at(row)), int(c->nombre()),
                                                   [c](int i) { return LigneQso::affichage(c->texte(i), i + 1); });
        if (ligne >= 0) emit qsoChoisi(ligne);
    }
    close();
}

void Recherche_Indicatif::Command1_Click() { close(); }

QStringList Recherche_Indicatif::resultats() const { return modele->stringList(); }
