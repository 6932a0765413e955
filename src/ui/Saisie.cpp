// Field-by-field entry of the main window: what Enter checks and opens.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <QFile>
#include <QListView>

#include "core/Reglages.h"
#include "core/journal/Carnet.h"
#include "core/journal/LigneQso.h"
#include "core/saisie/Cathedrales.h"
#include "core/saisie/Controles.h"
#include "core/saisie/Prenoms.h"
#include "platform/Dialogs.h"
#include "platform/KeyPress.h"
#include "ui/ModeleLog.h"
#include "ui/Saisie.h"
#include "ui/widgets/Combos.h"
#include "ui/widgets/Couleurs.h"

using Controles::majuscule;
constexpr int Enter = KeyPress::Enter;

Saisie::Saisie(AppContext& x, ControlesSaisie& controles, ModeleLog* m, QObject* parent)
    : QObject(parent), ctx(x), c(controles), modele(m) {
    installer();
}

void Saisie::installer() {
    auto lier = [this](QWidget* w, int (Saisie::*h)(int)) {
        KeyPress::install(w, [this, h](int code) { return (this->*h)(code); });
    };
    lier(c.Bande_A, &Saisie::Bande_A_KeyPress);
    lier(c.Ind_A, &Saisie::Ind_A_KeyPress);
    lier(c.Prenom_A, &Saisie::Prenom_A_KeyPress);
    lier(c.Ref_A, &Saisie::Ref_A_KeyPress);
    lier(c.Dpt_A, &Saisie::Dpt_A_KeyPress);
    lier(c.Date_A, &Saisie::Date_A_KeyPress);
    lier(c.Heure_A, &Saisie::Heure_A_KeyPress);
    lier(c.Mode_A, &Saisie::Mode_A_KeyPress);
    lier(c.RST_A, &Saisie::RST_A_KeyPress);
    lier(c.RSTE_A, &Saisie::RSTE_A_KeyPress);
    lier(c.Rem_A, &Saisie::Rem_A_KeyPress);
    lier(c.QSL_A, &Saisie::QSL_A_KeyPress);
}

void Saisie::ouvrir(QWidget* w) {
    w->setEnabled(true);
    Couleurs::fond(w, Couleurs::VertClair);
    w->setFocus();
}

void Saisie::memoriserIndex(QComboBox* cb, const QString& key) {
    if (!Mode_Modification) ctx.writeStation(key, QString::number(indexCombo(cb)));
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

int Saisie::Ind_A_KeyPress(int code) {
    if (!ctx.stationSet()) {
        ctx.dialogs->notice(QStringLiteral(
            "\r\n         Premiere installation, vous devez entrer votre Indicatif\r\n\r\n"
            "Pour cela dans la barre des menus allez dans Station puis Nouvel Indicatif."));
        return code;
    }
    if (code == Enter) {
        if (refuse(ctx.dialogs, Controles::indicatif(c.Ind_A->text()))) return 0;
        Cherche_Prenom(c.Ind_A->text());
        fait(c.Ind_A);
        ouvrir(c.Prenom_A);
        return 0;
    }
    return majuscule(code);
}

void Saisie::Cherche_Prenom(const QString& indicatif) {
    if (Mode_Modification) return;  // the edited QSO keeps its first name
    const Prenoms::Trouve t = Prenoms::chercher(fichierPrenoms(), indicatif);
    if (!t.trouve) return;
    c.Prenom_A->setEnabled(true);
    c.Prenom_A->setText(t.prenom);
    if (t.dptVide) c.Dpt_A->clear();
}

int Saisie::Prenom_A_KeyPress(int code) {
    if (code == Enter) {
        if (refuse(ctx.dialogs, Controles::prenom(c.Prenom_A->text()))) return 0;
        fait(c.Prenom_A);
        ouvrir(c.Ref_A);
        if (!refSpot_.isEmpty() && c.Ref_A->text().isEmpty()) c.Ref_A->setText(refSpot_);
        refSpot_.clear();
        return 0;
    }
    return majuscule(code);
}

int Saisie::Ref_A_KeyPress(int code) {
    if (code != Enter) return majuscule(code);
    const QString ref = c.Ref_A->text();
    if (refuse(ctx.dialogs, Controles::reference(ref))) return 0;

    if (!Mode_Modification) {
        const std::optional<QString> date = ctx.carnet->dejaContacte(ref, c.Bande_A->currentText());
        if (date) {
            ctx.dialogs->notice(ref + QStringLiteral(" Cathédrale déja contacté le ") + *date +
                                QStringLiteral(" sur ") + c.Bande_A->currentText());
            c.Ref_A->clear();
            Init_Saisie();
            return 0;
        }
    }
    if (!listeAbsenteDite_ && !QFile::exists(fichierListeDCF())) {
        listeAbsenteDite_ = true;
        ctx.dialogs->notice(QStringLiteral(
            "La liste des Cathédrales est absente : utilisez Mise à jour de la liste DCF ou Importer une liste DCF"));
    }
    // No list, or no row: empty texts, the operator types them.
    const Cathedrales::Cathedrale cath = Cathedrales::chercher(fichierListeDCF(), ref);
    c.Dpt_A->setText(cath.dpt);
    c.Rem_A->setText(cath.nom.left(LigneQso::largeur(LigneQso::Champ::Nom)));
    fait(c.Ref_A);
    ouvrir(c.Dpt_A);
    return 0;
}

int Saisie::Dpt_A_KeyPress(int code) {
    if (code != Enter) return code;
    c.Dpt_A->setText(c.Dpt_A->text().toLower());
    if (refuse(ctx.dialogs, Controles::departement(c.Dpt_A->text()))) return 0;
    if (dateAuto_ && !Mode_Modification && !Mode_Insertion) {
        fait(c.Dpt_A);
        c.Mode_A->setEnabled(true);
        Couleurs::fond(c.Mode_A, Couleurs::VertClair);
        c.Date_A->setText(c.Label33->text());
        c.Heure_A->setText(c.Label37->text().left(5));
        c.Mode_A->setFocus();
    } else {
        fait(c.Dpt_A);
        ouvrir(c.Date_A);
    }
    c.Rem_A->setCursorPosition(c.Rem_A->text().size());
    return 0;
}

int Saisie::Date_A_KeyPress(int code) {
    if (code != Enter) return majuscule(code);
    if (refuse(ctx.dialogs, Controles::date(c.Date_A->text()))) return 0;
    c.Heure_A->setEnabled(true);
    fait(c.Date_A);
    Couleurs::fond(c.Heure_A, Couleurs::VertClair);
    c.Heure_A->setFocus();
    return 0;
}

int Saisie::Heure_A_KeyPress(int code) {
    if (code != Enter) return majuscule(code);
    if (refuse(ctx.dialogs, Controles::heure(c.Heure_A->text()))) return 0;
    c.Mode_A->setEnabled(true);
    fait(c.Heure_A);
    Couleurs::fond(c.Mode_A, Couleurs::VertClair);
    c.Mode_A->setFocus();
    return 0;
}

int Saisie::Mode_A_KeyPress(int code) {
    if (code == Enter) {
        if (refuse(ctx.dialogs, Controles::mode(c.Mode_A->currentText()))) return 0;
        fait(c.Mode_A);
        ouvrir(c.RST_A);
        rapportsParDefaut();
    } else {
        code = majuscule(code);
    }
    memoriserIndex(c.Mode_A, Keys::Mode);
    return code == Enter ? 0 : code;
}

int Saisie::Bande_A_KeyPress(int code) {
    if (code == Enter) {
        if (refuse(ctx.dialogs, Controles::bande(c.Bande_A->currentText()))) return 0;
        c.RST_A->setEnabled(true);
        fait(c.Bande_A);
        Couleurs::fond(c.Ind_A, Couleurs::VertClair);
        c.Ind_A->setEnabled(true);  // a QSO shown from the list disabled it
        c.Ind_A->setFocus();
    } else {
        code = majuscule(code);
    }
    memoriserIndex(c.Bande_A, Keys::Bande);
    return code == Enter ? 0 : code;
}

int Saisie::RST_A_KeyPress(int code) {
    if (code != Enter) return majuscule(code);
    if (refuse(ctx.dialogs, Controles::report(c.RST_A->text()))) return 0;
    fait(c.RST_A);
    ouvrir(c.RSTE_A);
    return 0;
}

int Saisie::RSTE_A_KeyPress(int code) {
    if (code != Enter) return majuscule(code);
    if (refuse(ctx.dialogs, Controles::report(c.RSTE_A->text()))) return 0;
    fait(c.RSTE_A);
    ouvrir(c.Rem_A);
    c.Rem_A->setCursorPosition(c.Rem_A->text().size());
    return 0;
}

int Saisie::Rem_A_KeyPress(int code) {
    if (code != Enter) return majuscule(code);
    if (refuse(ctx.dialogs, Controles::nom(c.Rem_A->text()))) return 0;
    fait(c.Rem_A);
    ouvrir(c.QSL_A);
    return 0;
}

int Saisie::QSL_A_KeyPress(int code) {
    if (code != Enter) return code;
    fait(c.QSL_A);
    ouvrir(c.Valide_A);
    return 0;
}

void Saisie::prendreSpot(const QString& bande, const QString& indicatif, const QString& reference) {
    if (Mode_Modification || Edition_En_Cours) return;  // never over a QSO being edited
    Init_Saisie();
    texteCombo(c.Bande_A, bande);
    c.Ind_A->setText(indicatif);
    refSpot_ = reference;
    c.Ind_A->window()->activateWindow();
    c.Ind_A->setFocus();
}

void Saisie::Init_Saisie() {
    refSpot_.clear();
    for (QLineEdit* e : {c.Dpt_A, c.Prenom_A, c.Ref_A, c.Date_A, c.Heure_A}) {
        e->clear();
        Couleurs::ferme(e);
    }
    selectionnerIndex(c.Mode_A, ctx.readStationIndex(Keys::Mode));
    Couleurs::ferme(c.Mode_A);
    selectionnerIndex(c.Bande_A, ctx.readStationIndex(Keys::Bande));
    Couleurs::ferme(c.RST_A);
    Couleurs::ferme(c.RSTE_A);
    rapportsParDefaut();
    c.Rem_A->setText(QStringLiteral(" "));
    Couleurs::ferme(c.Rem_A);
    c.QSL_A->setChecked(false);
    c.Ind_A->clear();
    Couleurs::fond(c.Ind_A, Couleurs::VertClair);
    c.Ind_A->setEnabled(true);
    c.Ind_A->setFocus();
    Mode_Modification = false;
    Edition_En_Cours = false;
    Mode_Insertion = false;
    c.Annule_Saisie->setEnabled(false);
    c.Valide_A->setEnabled(false);
    c.Valide_A->setPalette(QPalette());  // no longer the field to fill next
    c.Mode_Aff->setText(QStringLiteral("Saisie QSO"));
}

bool Saisie::dateAuto() const { return dateAuto_; }

void Saisie::rapportsParDefaut() {
    const QString rst = Controles::rapportParDefaut(c.Mode_A->currentText());
    c.RST_A->setText(rst);
    c.RSTE_A->setText(rst);
}

void Saisie::restaurerBandeEtMode() {
    selectionnerIndex(c.Bande_A, ctx.readStationIndex(Keys::Bande));
    selectionnerIndex(c.Mode_A, ctx.readStationIndex(Keys::Mode));
}

void Saisie::selectionnerLigne(int row) {
    if (row < 0 || row >= modele->rowCount()) return;
    const QModelIndex i = modele->index(row);
    if (c.Liste_DCF->currentIndex() == i) {
        Liste_DCF_Click();  // same line again: still a click
    } else {
        c.Liste_DCF->setCurrentIndex(i);  // raises the click through currentRowChanged
    }
    c.Liste_DCF->scrollTo(i);
}

void Saisie::selectionnerDerniere() { selectionnerLigne(modele->rowCount() - 1); }

void Saisie::Liste_DCF_Click() {
    if (Edition_En_Cours) return;
    const QModelIndex i = c.Liste_DCF->currentIndex();
    if (!i.isValid()) return;
    Ligne_Selectionnee = modele->affichage(i.row());
    c.Annule_Saisie->setEnabled(true);
    remplirDepuis(Ligne_Selectionnee);
    c.Ind_A->setEnabled(false);
}

void Saisie::remplirDepuis(const QString& affichage) {
    const Qso q = LigneQso::parseAffichage(affichage);
    c.Ind_A->setText(q.indicatif.trimmed());
    c.Dpt_A->setText(q.dpt.trimmed());
    c.Prenom_A->setText(q.prenom.trimmed());
    c.Ref_A->setText(q.ref.trimmed());
    c.Date_A->setText(q.date);
    c.Heure_A->setText(q.heure);
    texteCombo(c.Mode_A, q.mode.trimmed());
    texteCombo(c.Bande_A, q.bande.trimmed());
    c.RST_A->setText(q.rstR.trimmed());
    c.RSTE_A->setText(q.rstE.trimmed());
    c.Rem_A->setText(q.nom.trimmed());
    c.QSL_A->setChecked(q.qsl == QLatin1String("*"));
}
