// Field-by-field entry of the main window: what Enter checks and opens, and the form's state.
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

#include "core/Reglages.h"
#include "core/journal/Carnet.h"
#include "core/journal/LigneQso.h"
#include "core/saisie/Cathedrales.h"
#include "core/saisie/Controles.h"
#include "core/saisie/Prenoms.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/KeyPress.h"
#include "ui/FormulaireSaisie.h"
#include "ui/ModeleLog.h"
#include "ui/Saisie.h"
#include "ui/widgets/Combos.h"
#include "ui/widgets/Couleurs.h"

using Controles::majuscule;
constexpr int Enter = KeyPress::Enter;

Saisie::Saisie(AppContext& x, FormulaireSaisie& formulaire, ModeleLog* m, QObject* parent)
    : QObject(parent), ctx_(x), f_(formulaire), modele_(m) {
    installer();
    noterRepos();
}

QString Saisie::texteDate(const QDateTime& utc) { return utc.date().toString(QStringLiteral("dd/MM/yy")); }
QString Saisie::texteHeure(const QDateTime& utc) { return utc.time().toString(QStringLiteral("HH:mm")); }

void Saisie::installer() {
    auto lier = [this](QWidget* w, int (Saisie::*h)(int)) {
        KeyPress::install(w, [this, h](int code) { return (this->*h)(code); });
    };
    lier(f_.choixBande, &Saisie::toucheBande);
    lier(f_.champIndicatif, &Saisie::toucheIndicatif);
    lier(f_.champPrenom, &Saisie::touchePrenom);
    lier(f_.champReference, &Saisie::toucheReference);
    lier(f_.champDepartement, &Saisie::toucheDepartement);
    lier(f_.champDate, &Saisie::toucheDate);
    lier(f_.champHeure, &Saisie::toucheHeure);
    lier(f_.choixMode, &Saisie::toucheMode);
    lier(f_.champRstRecu, &Saisie::toucheRstRecu);
    lier(f_.champRstEnvoye, &Saisie::toucheRstEnvoye);
    lier(f_.champNom, &Saisie::toucheNom);
    lier(f_.caseQsl, &Saisie::toucheQsl);
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

namespace {
// Shows a refusal; true when there was one.
bool refuse(Dialogs* d, const QString& message) {
    if (message.isEmpty()) return false;
    d->notice(message);
    return true;
}
void fait(QWidget* w) { Couleurs::fond(w, Couleurs::JauneClair); }
}  // namespace

int Saisie::toucheIndicatif(int code) {
    if (!ctx_.stationSet()) {
        ctx_.dialogs->notice(
            QStringLiteral("\r\n         Premiere installation, vous devez entrer votre Indicatif\r\n\r\n"
                           "Pour cela dans la barre des menus allez dans Station puis Nouvel Indicatif."));
        return code;
    }
    if (code == Enter) {
        if (refuse(ctx_.dialogs, Controles::indicatif(f_.champIndicatif->text()))) return 0;
        chercherPrenom(f_.champIndicatif->text());
        fait(f_.champIndicatif);
        ouvrir(f_.champPrenom);
        return 0;
    }
    return majuscule(code);
}

void Saisie::chercherPrenom(const QString& indicatif) {
    if (etat_ == EtatSaisie::Modification) return;  // the edited QSO keeps its first name
    const Prenoms::Trouve t = Prenoms::chercher(fichierPrenoms(), indicatif);
    if (!t.trouve) return;
    f_.champPrenom->setEnabled(true);
    f_.champPrenom->setText(t.prenom);
    if (t.dptVide) f_.champDepartement->clear();
}

int Saisie::touchePrenom(int code) {
    if (code == Enter) {
        if (refuse(ctx_.dialogs, Controles::prenom(f_.champPrenom->text()))) return 0;
        fait(f_.champPrenom);
        ouvrir(f_.champReference);
        if (!refSpot_.isEmpty() && f_.champReference->text().isEmpty()) f_.champReference->setText(refSpot_);
        refSpot_.clear();
        return 0;
    }
    return majuscule(code);
}

int Saisie::toucheReference(int code) {
    if (code != Enter) return majuscule(code);
    const QString ref = f_.champReference->text();
    if (refuse(ctx_.dialogs, Controles::reference(ref))) return 0;

    if (etat_ != EtatSaisie::Modification) {
        const std::optional<QString> date = ctx_.carnet->dejaContacte(ref, f_.choixBande->currentText());
        if (date) {
            ctx_.dialogs->notice(ref + QStringLiteral(" Cathédrale déja contacté le ") + *date +
                                 QStringLiteral(" sur ") + f_.choixBande->currentText());
            f_.champReference->clear();
            nouvelleSaisie();
            return 0;
        }
    }
    if (!listeAbsenteDite_ && !QFile::exists(fichierListeDCF())) {
        listeAbsenteDite_ = true;
        ctx_.dialogs->notice(QStringLiteral(
            "La liste des Cathédrales est absente : utilisez Mise à jour de la liste DCF ou Importer une liste DCF"));
    }
    // No list, or no row: empty texts, the operator types them.
    const Cathedrales::Cathedrale cath = Cathedrales::chercher(fichierListeDCF(), ref);
    f_.champDepartement->setText(cath.dpt);
    f_.champNom->setText(cath.nom.left(LigneQso::largeur(LigneQso::Champ::Nom)));
    fait(f_.champReference);
    ouvrir(f_.champDepartement);
    return 0;
}

int Saisie::toucheDepartement(int code) {
    if (code != Enter) return code;
    f_.champDepartement->setText(f_.champDepartement->text().toLower());
    if (refuse(ctx_.dialogs, Controles::departement(f_.champDepartement->text()))) return 0;
    if (dateAuto_ && etat_ == EtatSaisie::Nouveau) {
        fait(f_.champDepartement);
        f_.choixMode->setEnabled(true);
        Couleurs::fond(f_.choixMode, Couleurs::VertClair);
        // One reading of the clock, so that the date and the time agree.
        const QDateTime utc = ctx_.clock->utcNow();
        f_.champDate->setText(texteDate(utc));
        f_.champHeure->setText(texteHeure(utc));
        f_.choixMode->setFocus();
    } else {
        fait(f_.champDepartement);
        ouvrir(f_.champDate);
    }
    f_.champNom->setCursorPosition(f_.champNom->text().size());
    return 0;
}

int Saisie::toucheDate(int code) {
    if (code != Enter) return majuscule(code);
    if (refuse(ctx_.dialogs, Controles::date(f_.champDate->text()))) return 0;
    f_.champHeure->setEnabled(true);
    fait(f_.champDate);
    Couleurs::fond(f_.champHeure, Couleurs::VertClair);
    f_.champHeure->setFocus();
    return 0;
}

int Saisie::toucheHeure(int code) {
    if (code != Enter) return majuscule(code);
    if (refuse(ctx_.dialogs, Controles::heure(f_.champHeure->text()))) return 0;
    f_.choixMode->setEnabled(true);
    fait(f_.champHeure);
    Couleurs::fond(f_.choixMode, Couleurs::VertClair);
    f_.choixMode->setFocus();
    return 0;
}

int Saisie::toucheMode(int code) {
    if (code != Enter) modeALaMain_ = true;
    if (code == Enter) {
        if (refuse(ctx_.dialogs, Controles::mode(f_.choixMode->currentText()))) return 0;
        fait(f_.choixMode);
        ouvrir(f_.champRstRecu);
        rapportsParDefaut();
    } else {
        code = majuscule(code);
    }
    memoriserIndex(f_.choixMode, Reglages::Mode);
    return code == Enter ? 0 : code;
}

int Saisie::toucheBande(int code) {
    if (code != Enter) bandeALaMain_ = true;
    if (code == Enter) {
        if (refuse(ctx_.dialogs, Controles::bande(f_.choixBande->currentText()))) return 0;
        f_.champRstRecu->setEnabled(true);
        fait(f_.choixBande);
        Couleurs::fond(f_.champIndicatif, Couleurs::VertClair);
        f_.champIndicatif->setEnabled(true);  // a QSO shown from the list disabled it
        f_.champIndicatif->setFocus();
    } else {
        code = majuscule(code);
    }
    memoriserIndex(f_.choixBande, Reglages::Bande);
    return code == Enter ? 0 : code;
}

int Saisie::toucheRstRecu(int code) {
    if (code != Enter) return majuscule(code);
    if (refuse(ctx_.dialogs, Controles::report(f_.champRstRecu->text()))) return 0;
    fait(f_.champRstRecu);
    ouvrir(f_.champRstEnvoye);
    return 0;
}

int Saisie::toucheRstEnvoye(int code) {
    if (code != Enter) return majuscule(code);
    if (refuse(ctx_.dialogs, Controles::report(f_.champRstEnvoye->text()))) return 0;
    fait(f_.champRstEnvoye);
    ouvrir(f_.champNom);
    f_.champNom->setCursorPosition(f_.champNom->text().size());
    return 0;
}

int Saisie::toucheNom(int code) {
    if (code != Enter) return majuscule(code);
    if (refuse(ctx_.dialogs, Controles::nom(f_.champNom->text()))) return 0;
    fait(f_.champNom);
    ouvrir(f_.caseQsl);
    return 0;
}

int Saisie::toucheQsl(int code) {
    if (code != Enter) return code;
    fait(f_.caseQsl);
    ouvrir(f_.boutonValider);
    return 0;
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
