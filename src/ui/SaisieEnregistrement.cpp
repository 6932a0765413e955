// Saving a QSO, and the log list's double-click, delete and insert.
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

#include "core/Chronos.h"
#include "core/journal/Carnet.h"
#include "core/journal/LigneQso.h"
#include "core/saisie/Controles.h"
#include "core/saisie/Prenoms.h"
#include "platform/Dialogs.h"
#include "ui/FormulaireSaisie.h"
#include "ui/Saisie.h"
#include "ui/widgets/Combos.h"
#include "ui/widgets/Couleurs.h"

void Saisie::validerQso() {
    const Qso q = Carnet::normaliser(f_.qso());
    const Carnet::Resultat v = ctx_.carnet->verifier(q, etat_ != EtatSaisie::Modification);
    if (!v.fait()) {
        ctx_.dialogs->notice(v.message);
        if (QWidget* w = f_.controle(v.champ)) {
            w->setEnabled(true);
            w->setFocus();
        }
        return;
    }
    QElapsedTimer chrono;
    if (ctx_.dialogs->question(QStringLiteral("Voulez vous enregistrer ces données ?"))) {
        // What is written, shown in the form in case the write fails.
        f_.champPrenom->setText(q.prenom);
        const QString nom = f_.champNom->text().trimmed();
        if (nom.size() > LigneQso::largeur(LigneQso::Champ::Nom))
            f_.champNom->setText(nom.left(LigneQso::largeur(LigneQso::Champ::Nom)));
        chrono.start();
        Carnet::Resultat r;
        if (etat_ == EtatSaisie::Modification)
            r = ctx_.carnet->remplacer(ligneSelectionnee_, q);
        else if (dateAuto_ && etat_ != EtatSaisie::Insertion)
            r = ctx_.carnet->ajouterEnFin(q);
        else
            r = ctx_.carnet->insererParDate(q);
        if (!r.fait()) {
            ctx_.dialogs->notice(r.message);  // the typed QSO is kept
            return;
        }
        dernierEnregistre_ = {q.indicatif.trimmed(), q.ref.trimmed()};
        // Remembered only once the QSO is in the log.
        if (!Prenoms::memoriser(fichierPrenoms(), Prenoms::enregistrement(q.indicatif, q.dpt, q.prenom)))
            ctx_.dialogs->notice(QStringLiteral("Erreur d'écriture du fichier ") + fichierPrenoms() +
                                 QStringLiteral(", le QSO est enregistré mais pas le prénom"));
    }
    nouvelleSaisie(Apres::Enregistrement);
    // "Oui" to the list reloaded and its new line selected, for the benchmark script.
    if (chrono.isValid()) Chronos::noter("oui_liste", chrono.elapsed());
}

void Saisie::modifierLigne() {
    if (etat_ == EtatSaisie::Modification) return;
    if (ligneSelectionnee_.isEmpty()) {
        ctx_.dialogs->notice(QStringLiteral("Cliquez sur une ligne pour l'editer"));
        return;
    }
    changerEtat(EtatSaisie::Modification);
    for (QWidget* w :
         std::initializer_list<QWidget*>{f_.champIndicatif, f_.champDepartement, f_.champPrenom, f_.champReference,
                                         f_.champDate, f_.champHeure, f_.choixMode, f_.choixBande, f_.champRstRecu,
                                         f_.champRstEnvoye, f_.champNom, f_.caseQsl, f_.boutonValider})
        w->setEnabled(true);
    f_.remplir(ligneSelectionnee_);
    Couleurs::fond(f_.champIndicatif, Couleurs::VertClair);
    f_.champIndicatif->setFocus();
    noterRepos();
}

void Saisie::supprimerQso() {
    if (ligneSelectionnee_.isEmpty()) {
        ctx_.dialogs->notice(QStringLiteral("Cliquez sur une ligne pour l'effacer"));
        return;
    }
    if (ctx_.dialogs->question(QStringLiteral("Voulez vous Supprimer ce QSO ?"), Dialogs::Defaut::Non)) {
        const Carnet::Resultat r = ctx_.carnet->supprimer(ligneSelectionnee_);
        if (!r.fait())
            ctx_.dialogs->notice(r.message);
        else
            selectionnerDerniere();
    }
    f_.boutonSupprimer->setEnabled(false);
    nouvelleSaisie();
}

void Saisie::insererQso() {
    changerEtat(EtatSaisie::Insertion);
    f_.champIndicatif->setEnabled(true);  // a click on the list disabled it
    f_.champIndicatif->setFocus();
}

void Saisie::suivreBandeRadio(const QString& bande) {
    bandeRadio_ = bande;
    appliquerBandeRadio();
}

void Saisie::suivreModeRadio(const QString& mode) {
    modeRadio_ = mode;
    appliquerModeRadio();
}

void Saisie::appliquerBandeRadio() {
    if (bandeRadio_.isEmpty() || bandeALaMain_ || etat_ != EtatSaisie::Nouveau) return;
    Combos::montrerTexte(f_.choixBande, bandeRadio_);
    memoriserIndex(f_.choixBande, Reglages::Bande);
}

void Saisie::appliquerModeRadio() {
    if (modeRadio_.isEmpty() || modeALaMain_ || etat_ != EtatSaisie::Nouveau) return;
    // Reports still at the old mode's default were not typed: they follow.
    const QString ancien = Controles::rapportParDefaut(f_.choixMode->currentText());
    const bool rapportsTapes = f_.champRstRecu->text() != ancien || f_.champRstEnvoye->text() != ancien;
    const bool auRepos = !saisieEnCours();
    Combos::montrerTexte(f_.choixMode, modeRadio_);
    memoriserIndex(f_.choixMode, Reglages::Mode);
    if (!rapportsTapes) rapportsParDefaut();
    if (auRepos) noterRepos();  // reports the rig changed were not typed
}

Saisie::QsoSignale Saisie::qsoASignaler() const {
    const QString indicatif = f_.champIndicatif->text().trimmed();
    if (indicatif.isEmpty()) return dernierEnregistre_;
    return {indicatif, f_.champReference->text().trimmed()};
}
