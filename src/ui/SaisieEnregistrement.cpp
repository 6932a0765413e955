// Saving a QSO, and the log list's double-click, delete and insert.
#include <QCheckBox>
#include <QElapsedTimer>
#include <cstdio>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

#include "core/Chronos.h"
#include "core/Reglages.h"
#include "core/journal/Carnet.h"
#include "core/journal/LigneQso.h"
#include "core/saisie/Prenoms.h"
#include "platform/Dialogs.h"
#include "ui/ModeleLog.h"
#include "ui/Saisie.h"
#include "ui/widgets/Couleurs.h"

QWidget* Saisie::controle(int champ) const {
    switch (champ) {
    case Carnet::Indicatif: return c.Ind_A;
    case Carnet::Prenom: return c.Prenom_A;
    case Carnet::Ref: return c.Ref_A;
    case Carnet::Dpt: return c.Dpt_A;
    case Carnet::Date: return c.Date_A;
    case Carnet::Heure: return c.Heure_A;
    case Carnet::Mode: return c.Mode_A;
    case Carnet::Bande: return c.Bande_A;
    case Carnet::RstR: return c.RST_A;
    case Carnet::RstE: return c.RSTE_A;
    case Carnet::Nom: return c.Rem_A;
    default: return nullptr;
    }
}

Qso Saisie::qsoSaisi() const {
    return Qso{c.Ind_A->text(),  c.Dpt_A->text(),  c.Prenom_A->text(), c.Ref_A->text(),
               c.Date_A->text(), c.Heure_A->text(), c.Mode_A->currentText(),
               c.Bande_A->currentText(), c.RST_A->text(), c.RSTE_A->text(), c.Rem_A->text(),
               c.QSL_A->isChecked() ? QStringLiteral("*") : QStringLiteral(" ")};
}

void Saisie::Valide_A_Click() {
    const Qso q = Carnet::normaliser(qsoSaisi());
    const Carnet::Resultat v = ctx.carnet->verifier(q, !Mode_Modification);
    if (!v.fait()) {
        ctx.dialogs->notice(v.message);
        if (QWidget* w = controle(v.champ)) {
            w->setEnabled(true);
            w->setFocus();
        }
        return;
    }
    QElapsedTimer chrono;
    if (ctx.dialogs->question(QStringLiteral("Voulez vous enregistrer ces données ?"))) {
        // What is written, shown in the form in case the write fails.
        c.Prenom_A->setText(q.prenom);
        const QString nom = c.Rem_A->text().trimmed();
        if (nom.size() > LigneQso::largeur(LigneQso::Champ::Nom)) c.Rem_A->setText(nom.left(LigneQso::largeur(LigneQso::Champ::Nom)));
        chrono.start();
        Carnet::Resultat r;
        if (Mode_Modification)
            r = ctx.carnet->remplacer(Ligne_Selectionnee, q);
        else if (dateAuto_ && !Mode_Insertion)
            r = ctx.carnet->ajouterEnFin(q);
        else
            r = ctx.carnet->insererParDate(q);
        if (!r.fait()) {
            ctx.dialogs->notice(r.message);  // the typed QSO is kept
            return;
        }
        // Remembered only once the QSO is in the log.
        if (!Prenoms::Maj_Prenom(fichierPrenoms(), Prenoms::enregistrement(q.indicatif, q.dpt, q.prenom)))
            ctx.dialogs->notice(QStringLiteral("Erreur d'écriture du fichier ") + fichierPrenoms() +
                                QStringLiteral(", le QSO est enregistré mais pas le prénom"));
    }
    apresEnregistrement();
    // "Oui" to the list reloaded and its new line selected, for the benchmark script.
    if (chrono.isValid()) Chronos::noter("oui_liste", chrono.elapsed());
}

void Saisie::apresEnregistrement() {
    selectionnerDerniere();
    Mode_Modification = false;
    Mode_Insertion = false;
    Edition_En_Cours = false;
    c.Mode_Aff->setText(QStringLiteral("Saisie QSO"));
    c.Valide_A->setEnabled(false);
    c.Valide_A->setPalette(QPalette());  // no longer the field to fill next
    for (QLineEdit* e : {c.Ind_A, c.Dpt_A, c.Prenom_A, c.Ref_A}) {
        e->clear();
        Couleurs::ferme(e);
    }
    if (dateAuto_) c.Date_A->clear();  // a manual date stays for the next QSO
    Couleurs::ferme(c.Date_A);
    c.Heure_A->clear();
    Couleurs::ferme(c.Heure_A);
    Couleurs::ferme(c.Mode_A);
    Couleurs::fond(c.Bande_A, Couleurs::JauneClair);
    Couleurs::ferme(c.RST_A);
    Couleurs::ferme(c.RSTE_A);
    rapportsParDefaut();  // the mode shown now, before the stored one is restored below
    c.Rem_A->clear();
    Couleurs::ferme(c.Rem_A);
    c.QSL_A->setChecked(false);
    c.QSL_A->setEnabled(false);
    Couleurs::fond(c.Ind_A, Couleurs::VertClair);
    c.Ind_A->setEnabled(true);
    c.Ind_A->setFocus();
    restaurerBandeEtMode();
}

void Saisie::Liste_DCF_DblClick() {
    if (Edition_En_Cours) return;
    if (Ligne_Selectionnee.isEmpty()) {
        ctx.dialogs->notice(QStringLiteral("Cliquez sur une ligne pour l'editer"));
        return;
    }
    Edition_En_Cours = true;
    Mode_Modification = true;
    for (QWidget* w : std::initializer_list<QWidget*>{c.Ind_A, c.Dpt_A, c.Prenom_A, c.Ref_A, c.Date_A,
                                                      c.Heure_A, c.Mode_A, c.Bande_A, c.RST_A, c.RSTE_A,
                                                      c.Rem_A, c.QSL_A, c.Valide_A})
        w->setEnabled(true);
    c.Mode_Aff->setText(QStringLiteral("Modification QSO"));
    remplirDepuis(Ligne_Selectionnee);
    Couleurs::fond(c.Ind_A, Couleurs::VertClair);
    c.Ind_A->setFocus();
}

void Saisie::Annule_Saisie_Click() {
    if (Ligne_Selectionnee.isEmpty()) {
        ctx.dialogs->notice(QStringLiteral("Cliquez sur une ligne pour l'effacer"));
        return;
    }
    if (ctx.dialogs->question(QStringLiteral("Voulez vous Supprimer ce QSO ?"))) {
        const Carnet::Resultat r = ctx.carnet->supprimer(Ligne_Selectionnee);
        if (!r.fait()) ctx.dialogs->notice(r.message);
        else selectionnerDerniere();
    }
    c.Annule_Saisie->setEnabled(false);
    Init_Saisie();
}

void Saisie::Ajout_QSO_Click() {
    Mode_Insertion = true;
    c.Mode_Aff->setText(QStringLiteral("Insertion QSO"));
    c.Ind_A->setEnabled(true);  // a click on the list disabled it
    c.Ind_A->setFocus();
}
