// The entry form's controls and their layout, in the order of entry.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

#include "platform/Windows.h"
#include "ui/Saisie.h"

using Windows::nomme;

namespace {

QComboBox* comboSaisie(const char* nom) {
    auto* cb = nomme(new QComboBox, nom);
    cb->setEditable(true);
    cb->setInsertPolicy(QComboBox::NoInsert);
    cb->setCompleter(nullptr);  // a typed text stays as typed
    return cb;
}

}  // namespace

QGroupBox* Saisie::construireFormulaire(ControlesSaisie& c, const QFont& police) {
    auto* cadre = new QGroupBox(QStringLiteral("Saisie ou modification d'un QSO"));
    auto* g = new QGridLayout(cadre);
    c.Bande_A = comboSaisie("Bande_A");
    c.Ind_A = nomme(new QLineEdit, "Ind_A");
    c.Prenom_A = nomme(new QLineEdit, "Prenom_A");
    c.Ref_A = nomme(new QLineEdit, "Ref_A");
    c.Dpt_A = nomme(new QLineEdit, "Dpt_A");
    c.Date_A = nomme(new QLineEdit, "Date_A");
    c.Heure_A = nomme(new QLineEdit, "Heure_A");
    c.Mode_A = comboSaisie("Mode_A");
    c.RST_A = nomme(new QLineEdit(QStringLiteral("59")), "RST_A");
    c.RSTE_A = nomme(new QLineEdit(QStringLiteral("59")), "RSTE_A");
    c.Rem_A = nomme(new QLineEdit, "Rem_A");
    c.QSL_A = nomme(new QCheckBox(QStringLiteral("QSL")), "QSL_A");
    c.Mode_Aff = nomme(new QLabel(QStringLiteral("Saisie QSO")), "Mode_Aff");
    c.Mode_Aff->setStyleSheet(QStringLiteral("color: rgb(160, 0, 0); font-weight: bold;"));

    // Each field under its caption, tied to it so that a screen reader names it.
    struct Champ {
        QWidget* w;
        const char* legende;
        int ligne, colonne, largeur, etendue;
    };
    const Champ champs[] = {
        {c.Bande_A, "Bande", 0, 0, 6, 1},           {c.Ind_A, "Indicatif", 0, 1, 9, 1},
        {c.Prenom_A, "Prénom (optionnel)", 0, 2, 9, 1}, {c.Ref_A, "Ref Cathédrale", 0, 3, 6, 1},
        {c.Dpt_A, "Dpt", 0, 4, 2, 1},               {c.Date_A, "Date", 0, 5, 5, 1},
        {c.Heure_A, "Heure UTC", 0, 6, 4, 1},       {c.Mode_A, "Mode", 2, 0, 4, 1},
        {c.Rem_A, "Nom de la Cathédrale (optionnel)", 2, 2, 18, 3},
    };
    const int w = QFontMetrics(police).horizontalAdvance(QLatin1Char('W'));
    auto etiquette = [](const QString& texte, QWidget* champ) {
        auto* l = new QLabel(texte);
        l->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
        l->setBuddy(champ);
        champ->setAccessibleName(texte);
        return l;
    };
    for (const Champ& x : champs) {
        x.w->setMinimumWidth(w * x.largeur + 12);
        g->addWidget(etiquette(QString::fromUtf8(x.legende), x.w), x.ligne, x.colonne, 1, x.etendue);
        g->addWidget(x.w, x.ligne + 1, x.colonne, 1, x.etendue);
    }
    // The two reports share one column.
    auto* legendesRst = new QHBoxLayout;
    auto* rsts = new QHBoxLayout;
    for (auto [champ, legende] : {std::pair{c.RST_A, "RST R"}, std::pair{c.RSTE_A, "RST E"}}) {
        champ->setMinimumWidth(w * 2 + 12);
        legendesRst->addWidget(etiquette(QString::fromLatin1(legende), champ));
        rsts->addWidget(champ);
    }
    g->addLayout(legendesRst, 2, 1);
    g->addLayout(rsts, 3, 1);
    g->addWidget(c.QSL_A, 3, 5);
    auto* legendeMode = new QLabel(QStringLiteral("Mode de saisie"));
    legendeMode->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    g->addWidget(legendeMode, 2, 6);
    g->addWidget(c.Mode_Aff, 3, 6);
    return cadre;
}

void Saisie::ordreTabulation(const ControlesSaisie& c) {
    const QWidget* ordre[] = {c.Bande_A, c.Ind_A,  c.Prenom_A, c.Ref_A,  c.Dpt_A,    c.Date_A,
                              c.Heure_A, c.Mode_A, c.RST_A,    c.RSTE_A, c.Rem_A,    c.QSL_A,
                              c.Valide_A, c.Efface_A, c.Ajout_QSO, c.Annule_Saisie, c.Liste_DCF};
    for (size_t i = 1; i < std::size(ordre); ++i)
        QWidget::setTabOrder(const_cast<QWidget*>(ordre[i - 1]), const_cast<QWidget*>(ordre[i]));
}
