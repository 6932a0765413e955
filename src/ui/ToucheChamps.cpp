#include "ui/ToucheChamps.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QFile>
#include <QLineEdit>
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
#include "ui/Saisie.h"
#include "ui/widgets/Couleurs.h"

using Controles::majuscule;
constexpr int Enter = KeyPress::Enter;

ToucheChamps::ToucheChamps(Saisie& saisie) : s_(saisie), f_(saisie.f_), ctx_(saisie.ctx_) {}

void ToucheChamps::installer() {
    auto lier = [this](QWidget* w, int (ToucheChamps::*h)(int)) {
        KeyPress::install(w, [this, h](int code) { return (this->*h)(code); });
    };
    lier(f_.choixBande, &ToucheChamps::bande);
    lier(f_.champIndicatif, &ToucheChamps::indicatif);
    lier(f_.champPrenom, &ToucheChamps::prenom);
    lier(f_.champReference, &ToucheChamps::reference);
    lier(f_.champDepartement, &ToucheChamps::departement);
    lier(f_.champDate, &ToucheChamps::date);
    lier(f_.champHeure, &ToucheChamps::heure);
    lier(f_.choixMode, &ToucheChamps::mode);
    lier(f_.champRstRecu, &ToucheChamps::rstRecu);
    lier(f_.champRstEnvoye, &ToucheChamps::rstEnvoye);
    lier(f_.champNom, &ToucheChamps::nom);
    lier(f_.caseQsl, &ToucheChamps::qsl);
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

int ToucheChamps::indicatif(int code) {
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
        s_.ouvrir(f_.champPrenom);
        return 0;
    }
    return majuscule(code);
}

void ToucheChamps::chercherPrenom(const QString& indicatif) {
    if (s_.etat_ == EtatSaisie::Modification) return;  // the edited QSO keeps its first name
    const Prenoms::Trouve t = Prenoms::chercher(s_.fichierPrenoms(), indicatif);
    if (!t.trouve) return;
    f_.champPrenom->setEnabled(true);
    f_.champPrenom->setText(t.prenom);
    if (t.dptVide) f_.champDepartement->clear();
}

int ToucheChamps::prenom(int code) {
    if (code == Enter) {
        if (refuse(ctx_.dialogs, Controles::prenom(f_.champPrenom->text()))) return 0;
        fait(f_.champPrenom);
        s_.ouvrir(f_.champReference);
        if (!s_.refSpot_.isEmpty() && f_.champReference->text().isEmpty()) f_.champReference->setText(s_.refSpot_);
        s_.refSpot_.clear();
        return 0;
    }
    return majuscule(code);
}

int ToucheChamps::reference(int code) {
    if (code != Enter) return majuscule(code);
    const QString ref = f_.champReference->text();
    if (refuse(ctx_.dialogs, Controles::reference(ref))) return 0;

    if (s_.etat_ != EtatSaisie::Modification) {
        const std::optional<QString> date = ctx_.carnet->dejaContacte(ref, f_.choixBande->currentText());
        if (date) {
            ctx_.dialogs->notice(ref + QStringLiteral(" Cathédrale déja contacté le ") + *date +
                                 QStringLiteral(" sur ") + f_.choixBande->currentText());
            f_.champReference->clear();
            s_.nouvelleSaisie();
            return 0;
        }
    }
    if (!listeAbsenteDite_ && !QFile::exists(s_.fichierListeDCF())) {
        listeAbsenteDite_ = true;
        ctx_.dialogs->notice(QStringLiteral(
            "La liste des Cathédrales est absente : utilisez Mise à jour de la liste DCF ou Importer une liste DCF"));
    }
    // No list, or no row: empty texts, the operator types them.
    const Cathedrales::Cathedrale cath = Cathedrales::chercher(s_.fichierListeDCF(), ref);
    f_.champDepartement->setText(cath.dpt);
    f_.champNom->setText(cath.nom.left(LigneQso::largeur(LigneQso::Champ::Nom)));
    fait(f_.champReference);
    s_.ouvrir(f_.champDepartement);
    return 0;
}

int ToucheChamps::departement(int code) {
    if (code != Enter) return code;
    f_.champDepartement->setText(f_.champDepartement->text().toLower());
    if (refuse(ctx_.dialogs, Controles::departement(f_.champDepartement->text()))) return 0;
    if (s_.dateAuto_ && s_.etat_ == EtatSaisie::Nouveau) {
        fait(f_.champDepartement);
        // One reading of the clock, so that the date and the time agree.
        const QDateTime utc = ctx_.clock->utcNow();
        f_.champDate->setText(Saisie::texteDate(utc));
        f_.champHeure->setText(Saisie::texteHeure(utc));
        s_.ouvrir(f_.choixMode);
    } else {
        fait(f_.champDepartement);
        s_.ouvrir(f_.champDate);
    }
    f_.champNom->setCursorPosition(f_.champNom->text().size());
    return 0;
}

int ToucheChamps::date(int code) {
    if (code != Enter) return majuscule(code);
    if (refuse(ctx_.dialogs, Controles::date(f_.champDate->text()))) return 0;
    fait(f_.champDate);
    s_.ouvrir(f_.champHeure);
    return 0;
}

int ToucheChamps::heure(int code) {
    if (code != Enter) return majuscule(code);
    if (refuse(ctx_.dialogs, Controles::heure(f_.champHeure->text()))) return 0;
    fait(f_.champHeure);
    s_.ouvrir(f_.choixMode);
    return 0;
}

int ToucheChamps::mode(int code) {
    if (code != Enter) s_.modeALaMain_ = true;
    if (code == Enter) {
        if (refuse(ctx_.dialogs, Controles::mode(f_.choixMode->currentText()))) return 0;
        fait(f_.choixMode);
        s_.ouvrir(f_.champRstRecu);
        s_.rapportsParDefaut();
    } else {
        code = majuscule(code);
    }
    s_.memoriserIndex(f_.choixMode, Reglages::Mode);
    return code == Enter ? 0 : code;
}

int ToucheChamps::bande(int code) {
    if (code != Enter) s_.bandeALaMain_ = true;
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
    s_.memoriserIndex(f_.choixBande, Reglages::Bande);
    return code == Enter ? 0 : code;
}

int ToucheChamps::rstRecu(int code) {
    if (code != Enter) return majuscule(code);
    if (refuse(ctx_.dialogs, Controles::report(f_.champRstRecu->text()))) return 0;
    fait(f_.champRstRecu);
    s_.ouvrir(f_.champRstEnvoye);
    return 0;
}

int ToucheChamps::rstEnvoye(int code) {
    if (code != Enter) return majuscule(code);
    if (refuse(ctx_.dialogs, Controles::report(f_.champRstEnvoye->text()))) return 0;
    fait(f_.champRstEnvoye);
    s_.ouvrir(f_.champNom);
    f_.champNom->setCursorPosition(f_.champNom->text().size());
    return 0;
}

int ToucheChamps::nom(int code) {
    if (code != Enter) return majuscule(code);
    if (refuse(ctx_.dialogs, Controles::nom(f_.champNom->text()))) return 0;
    fait(f_.champNom);
    s_.ouvrir(f_.caseQsl);
    return 0;
}

int ToucheChamps::qsl(int code) {
    if (code != Enter) return code;
    fait(f_.caseQsl);
    s_.ouvrir(f_.boutonValider);
    return 0;
}
