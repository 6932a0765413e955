#include "ui/FormulaireSaisie.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <algorithm>

#include "core/journal/Carnet.h"
#include "core/journal/LigneQso.h"
#include "platform/Windows.h"
#include "ui/widgets/Combos.h"

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

QGroupBox* FormulaireSaisie::construireChamps(const QFont& police) {
    auto* cadre = new QGroupBox(QStringLiteral("Saisie ou modification d'un QSO"));
    auto* g = new QGridLayout(cadre);
    choixBande = comboSaisie("choixBande");
    champIndicatif = nomme(new QLineEdit, "champIndicatif");
    champPrenom = nomme(new QLineEdit, "champPrenom");
    champReference = nomme(new QLineEdit, "champReference");
    champDepartement = nomme(new QLineEdit, "champDepartement");
    champDate = nomme(new QLineEdit, "champDate");
    champHeure = nomme(new QLineEdit, "champHeure");
    choixMode = comboSaisie("choixMode");
    champRstRecu = nomme(new QLineEdit(QStringLiteral("59")), "champRstRecu");
    champRstEnvoye = nomme(new QLineEdit(QStringLiteral("59")), "champRstEnvoye");
    champNom = nomme(new QLineEdit, "champNom");
    caseQsl = nomme(new QCheckBox(QStringLiteral("QSL")), "caseQsl");
    etiquetteEtat = nomme(new QLabel(QStringLiteral("Saisie QSO")), "etiquetteEtat");
    etiquetteEtat->setStyleSheet(QStringLiteral("color: rgb(160, 0, 0);"));
    QFont gras = police;
    gras.setBold(true);
    etiquetteEtat->setFont(gras);
    // As wide as its longest text: a change of state moves no other control.
    int largeurEtat = 0;
    for (const char* etat : {"Saisie QSO", "Modification QSO", "Insertion QSO"})
        largeurEtat = std::max(largeurEtat, QFontMetrics(gras).horizontalAdvance(QString::fromLatin1(etat)));
    etiquetteEtat->setMinimumWidth(largeurEtat);

    // Each field under its caption, tied to it so that a screen reader names it.
    struct Champ {
        QWidget* w;
        const char* legende;
        int ligne, colonne, largeur, etendue;
    };
    const Champ champs[] = {
        {choixBande, "Bande", 0, 0, 6, 1},
        {champIndicatif, "Indicatif", 0, 1, 9, 1},
        {champPrenom, "Prénom (optionnel)", 0, 2, 9, 1},
        {champReference, "Ref Cathédrale", 0, 3, 6, 1},
        {champDepartement, "Dpt", 0, 4, 2, 1},
        {champDate, "Date", 0, 5, 5, 1},
        {champHeure, "Heure UTC", 0, 6, 4, 1},
        {choixMode, "Mode", 2, 0, 4, 1},
        {champNom, "Nom de la Cathédrale (optionnel)", 2, 2, 18, 3},
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
    for (auto [champ, legende] : {std::pair{champRstRecu, "RST R"}, std::pair{champRstEnvoye, "RST E"}}) {
        champ->setMinimumWidth(w * 2 + 12);
        legendesRst->addWidget(etiquette(QString::fromLatin1(legende), champ));
        rsts->addWidget(champ);
    }
    g->addLayout(legendesRst, 2, 1);
    g->addLayout(rsts, 3, 1);
    g->addWidget(caseQsl, 3, 5);
    auto* legendeEtat = new QLabel(QStringLiteral("Mode de saisie"));
    legendeEtat->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    g->addWidget(legendeEtat, 2, 6);
    g->addWidget(etiquetteEtat, 3, 6);
    return cadre;
}

void FormulaireSaisie::ordreTabulation() const {
    QWidget* const ordre[] = {choixBande,      champIndicatif, champPrenom,   champReference, champDepartement,
                              champDate,       champHeure,     choixMode,     champRstRecu,   champRstEnvoye,
                              champNom,        caseQsl,        boutonValider, boutonEffacer,  boutonInserer,
                              boutonSupprimer, listeQso};
    for (size_t i = 1; i < std::size(ordre); ++i) QWidget::setTabOrder(ordre[i - 1], ordre[i]);
}

QWidget* FormulaireSaisie::controle(int champ) const {
    switch (champ) {
        case Carnet::Indicatif: return champIndicatif;
        case Carnet::Prenom: return champPrenom;
        case Carnet::Ref: return champReference;
        case Carnet::Dpt: return champDepartement;
        case Carnet::Date: return champDate;
        case Carnet::Heure: return champHeure;
        case Carnet::Mode: return choixMode;
        case Carnet::Bande: return choixBande;
        case Carnet::RstR: return champRstRecu;
        case Carnet::RstE: return champRstEnvoye;
        case Carnet::Nom: return champNom;
        default: return nullptr;
    }
}

Qso FormulaireSaisie::qso() const {
    return Qso{champIndicatif->text(),   champDepartement->text(),
               champPrenom->text(),      champReference->text(),
               champDate->text(),        champHeure->text(),
               choixMode->currentText(), choixBande->currentText(),
               champRstRecu->text(),     champRstEnvoye->text(),
               champNom->text(),         caseQsl->isChecked() ? QStringLiteral("*") : QStringLiteral(" ")};
}

void FormulaireSaisie::remplir(const QString& affichage) {
    const Qso q = LigneQso::parseAffichage(affichage);
    champIndicatif->setText(q.indicatif.trimmed());
    champDepartement->setText(q.dpt.trimmed());
    champPrenom->setText(q.prenom.trimmed());
    champReference->setText(q.ref.trimmed());
    champDate->setText(q.date);
    champHeure->setText(q.heure);
    Combos::montrerTexte(choixMode, q.mode.trimmed());
    Combos::montrerTexte(choixBande, q.bande.trimmed());
    champRstRecu->setText(q.rstR.trimmed());
    champRstEnvoye->setText(q.rstE.trimmed());
    champNom->setText(q.nom.trimmed());
    caseQsl->setChecked(q.qsl == QLatin1String("*"));
}
