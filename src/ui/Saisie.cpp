#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

#include "core/Chronos.h"
#include "core/Reglages.h"
#include "core/journal/Carnet.h"
#include "core/journal/LigneQso.h"
#include "core/saisie/Controles.h"
#include "core/saisie/Prenoms.h"
#include "platform/Dialogs.h"
#include "ui/FormulaireSaisie.h"
#include "ui/ModeleLog.h"
#include "ui/Saisie.h"
#include "ui/widgets/Combos.h"
#include "ui/widgets/Couleurs.h"

Saisie::Saisie(AppContext& x, FormulaireSaisie& formulaire, ModeleLog* m, QObject* parent)
    : QObject(parent), ctx_(x), f_(formulaire), modele_(m) {
    installer();
    noterRepos();
}

QString Saisie::texteDate(const QDateTime& utc) { return utc.date().toString(QStringLiteral("dd/MM/yy")); }
QString Saisie::texteHeure(const QDateTime& utc) { return utc.time().toString(QStringLiteral("HH:mm")); }

void Saisie::installer() {
    touches_.installer();
    // A choice with the mouse or the arrows is the operator's too: the rig no longer overrides it.
    connect(f_.choixBande, &QComboBox::activated, this, [this] { bandeALaMain_ = true; });
    connect(f_.choixMode, &QComboBox::activated, this, [this] { modeALaMain_ = true; });
}

void Saisie::changerEtat(EtatSaisie etat) {
    // An insertion asked during an edit changes the caption only: the save
    // still replaces the edited line.
    if (!(etat_ == EtatSaisie::Modification && etat == EtatSaisie::Insertion)) etat_ = etat;
    switch (etat) {
        case EtatSaisie::Nouveau: f_.etiquetteEtat->setText(QStringLiteral("Saisie QSO")); break;
        case EtatSaisie::Modification: f_.etiquetteEtat->setText(QStringLiteral("Modification QSO")); break;
        case EtatSaisie::Insertion: f_.etiquetteEtat->setText(QStringLiteral("Insertion QSO")); break;
    }
}

void Saisie::ouvrir(QWidget* w) {
    w->setEnabled(true);
    Couleurs::fond(w, Couleurs::VertClair);
    w->setFocus();
}

void Saisie::memoriserIndex(QComboBox* cb, const QString& key) {
    if (etat_ != EtatSaisie::Modification) ctx_.writeStation(key, QString::number(Combos::indexDuTexte(cb)));
}

void Saisie::prendreSpot(const QString& bande, const QString& indicatif, const QString& reference) {
    if (etat_ == EtatSaisie::Modification) return;  // never over a QSO being edited
    if (!abandonnerSaisie()) return;
    nouvelleSaisie();
    Combos::montrerTexte(f_.choixBande, bande);
    f_.champIndicatif->setText(indicatif);
    refSpot_ = reference;
    noterRepos();
    QWidget* fenetre = f_.champIndicatif->window();
    fenetre->raise();
    fenetre->activateWindow();
    f_.champIndicatif->setFocus();
}

void Saisie::prendreQsoTrouve(int ligne) {
    if (!abandonnerSaisie()) return;
    QWidget* fenetre = f_.listeQso->window();
    fenetre->raise();
    fenetre->activateWindow();
    selectionnerLigne(ligne);
}

QStringList Saisie::textesRepos() const {
    QStringList textes;
    for (const QLineEdit* e : {f_.champIndicatif, f_.champPrenom, f_.champReference, f_.champDepartement, f_.champDate,
                               f_.champHeure, f_.champRstRecu, f_.champRstEnvoye, f_.champNom})
        textes << e->text();
    return textes;
}

bool Saisie::saisieEnCours() const { return textesRepos() != repos_; }

bool Saisie::abandonnerSaisie() {
    if (etat_ == EtatSaisie::Modification || !saisieEnCours()) return true;
    return ctx_.dialogs->question(QStringLiteral("Abandonner la saisie en cours ?"), Dialogs::Defaut::Non);
}

void Saisie::nouvelleSaisie(Apres apres) {
    const bool enregistre = apres == Apres::Enregistrement;
    // The new line is selected while an edit still ignores the list's click.
    if (enregistre)
        selectionnerDerniere();
    else
        refSpot_.clear();
    changerEtat(EtatSaisie::Nouveau);
    f_.boutonValider->setEnabled(false);
    f_.boutonValider->setPalette(QPalette());  // no longer the field to fill next
    // After a save the selected line can still be deleted.
    if (!enregistre) f_.boutonSupprimer->setEnabled(false);
    for (QLineEdit* e : {f_.champDepartement, f_.champPrenom, f_.champReference, f_.champHeure}) {
        e->clear();
        Couleurs::ferme(e);
    }
    if (!enregistre || dateAuto_) f_.champDate->clear();  // a manual date stays for the next QSO
    Couleurs::ferme(f_.champDate);
    Couleurs::ferme(f_.choixMode);
    Couleurs::ferme(f_.champRstRecu);
    Couleurs::ferme(f_.champRstEnvoye);
    // After a save the reports follow the mode of the QSO, not the stored one restored below.
    if (enregistre) rapportsParDefaut();
    restaurerBandeEtMode();
    bandeALaMain_ = modeALaMain_ = false;
    appliquerBandeRadio();
    appliquerModeRadio();
    if (!enregistre) rapportsParDefaut();
    if (enregistre)
        f_.champNom->clear();
    else
        f_.champNom->setText(QStringLiteral(" "));
    Couleurs::ferme(f_.champNom);
    f_.caseQsl->setChecked(false);
    if (enregistre) f_.caseQsl->setEnabled(false);
    f_.champIndicatif->clear();
    Couleurs::fond(f_.champIndicatif, Couleurs::VertClair);
    f_.champIndicatif->setEnabled(true);
    f_.champIndicatif->setFocus();
    noterRepos();
}

void Saisie::rapportsParDefaut() {
    const QString rst = Controles::rapportParDefaut(f_.choixMode->currentText());
    f_.champRstRecu->setText(rst);
    f_.champRstEnvoye->setText(rst);
}

void Saisie::restaurerBandeEtMode() {
    Combos::selectionner(f_.choixBande, ctx_.readStationIndex(Reglages::Bande));
    Combos::selectionner(f_.choixMode, ctx_.readStationIndex(Reglages::Mode));
}

void Saisie::selectionnerLigne(int row) {
    if (row < 0 || row >= modele_->rowCount()) return;
    const QModelIndex i = modele_->index(row);
    if (f_.listeQso->currentIndex() == i) {
        afficherLigne();  // same line again: still a click
    } else {
        f_.listeQso->setCurrentIndex(i);  // raises the click through currentRowChanged
    }
    f_.listeQso->scrollTo(i);
}

void Saisie::selectionnerDerniere() { selectionnerLigne(modele_->rowCount() - 1); }

void Saisie::afficherLigne() {
    if (etat_ == EtatSaisie::Modification) return;
    const QModelIndex i = f_.listeQso->currentIndex();
    if (!i.isValid()) return;
    ligneSelectionnee_ = modele_->affichage(i.row());
    f_.boutonSupprimer->setEnabled(true);
    f_.remplir(ligneSelectionnee_);
    f_.champIndicatif->setEnabled(false);
    noterRepos();
}

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
    Chronos::horodater("bande_suivie");  // for scripts/bench, which knows when it turned the rig
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
