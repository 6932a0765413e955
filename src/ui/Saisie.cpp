// Field-by-field entry of the main window: what Enter checks and opens.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/widgets/Couleurs.h"
#include "ui/Main.h"
#include "core/Reglages.h"
#include "core/saisie/Controles.h"
#include "core/saisie/Prenoms.h"
#include "core/saisie/Recherches.h"
#include "platform/Dialogs.h"
#include "platform/KeyPress.h"

using Controles::majuscule;
constexpr int Enter = KeyPress::Enter;

void Main::installerSaisie() {
    auto lier = [this](QWidget* w, int (Main::*h)(int)) {
        KeyPress::install(w, [this, h](int code) { return (this->*h)(code); });
    };
    lier(Bande_A, &Main::Bande_A_KeyPress);
    lier(Ind_A, &Main::Ind_A_KeyPress);
    lier(Prenom_A, &Main::Prenom_A_KeyPress);
    lier(Ref_A, &Main::Ref_A_KeyPress);
    lier(Dpt_A, &Main::Dpt_A_KeyPress);
    lier(Date_A, &Main::Date_A_KeyPress);
    lier(Heure_A, &Main::Heure_A_KeyPress);
    lier(Mode_A, &Main::Mode_A_KeyPress);
    lier(RST_A, &Main::RST_A_KeyPress);
    lier(RSTE_A, &Main::RSTE_A_KeyPress);
    lier(Rem_A, &Main::Rem_A_KeyPress);
    lier(QSL_A, &Main::QSL_A_KeyPress);
}

QString Main::fichierPrenoms() const { return ctx.path(QStringLiteral("Liste_Prenom.txt")); }
QString Main::fichierListeDCF() const { return ctx.path(QStringLiteral("Liste_DCF.csv")); }

void Main::ouvrir(QWidget* w) {
    w->setEnabled(true);
    Couleurs::fond(w, Couleurs::VertClair);
    w->setFocus();
}

void Main::memoriserIndex(QComboBox* cb, const QString& key) {
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

int Main::Ind_A_KeyPress(int code) {
    if (!ctx.stationSet()) {
        ctx.dialogs->notice(QStringLiteral(
            "\r\n         Premiere installation, vous devez entrer votre Indicatif\r\n\r\n"
            "Pour cela dans la barre des menus allez dans Station puis Nouvel Indicatif."));
        return code;
    }
    if (code == Enter) {
        if (refuse(ctx.dialogs, Controles::indicatif(Ind_A->text()))) return 0;
        Cherche_Prenom(Ind_A->text());
        fait(Ind_A);
        ouvrir(Prenom_A);
        return 0;
    }
    return majuscule(code);
}

void Main::Cherche_Prenom(const QString& indicatif) {
    if (Mode_Modification) return;  // the edited QSO keeps its first name
    const Prenoms::Trouve t = Prenoms::chercher(fichierPrenoms(), indicatif);
    if (!t.trouve) return;
    Prenom_A->setEnabled(true);
    Prenom_A->setText(t.prenom);
    if (t.dptVide) Dpt_A->clear();
}

int Main::Prenom_A_KeyPress(int code) {
    if (code == Enter) {
        if (refuse(ctx.dialogs, Controles::prenom(Prenom_A->text()))) return 0;
        fait(Prenom_A);
        ouvrir(Ref_A);
        return 0;
    }
    return majuscule(code);
}

int Main::Ref_A_KeyPress(int code) {
    if (code != Enter) return majuscule(code);
    const QString ref = Ref_A->text();
    if (refuse(ctx.dialogs, Controles::reference(ref))) return 0;

    if (!Mode_Modification) {
        const Recherches::DejaContacte d =
            Recherches::Cherche_Ref_Log(ctx.logPath(), ref, Bande_A->currentText());
        if (d.trouve) {
            ctx.dialogs->notice(ref + QStringLiteral(" Cathédrale déja contacté le ") + d.date +
                                QStringLiteral(" sur ") + Bande_A->currentText());
            Ref_A->clear();
            Init_Saisie();
            return 0;
        }
    }
    // No list, or no row: empty texts, the operator types them.
    const Recherches::Cathedrale c = Recherches::Cherche_Ref_Liste(fichierListeDCF(), ref);
    Dpt_A->setText(c.dpt);
    Rem_A->setText(c.nom.left(30));
    fait(Ref_A);
    ouvrir(Dpt_A);
    return 0;
}

int Main::Dpt_A_KeyPress(int code) {
    if (code != Enter) return code;
    Dpt_A->setText(Dpt_A->text().toLower());
    if (refuse(ctx.dialogs, Controles::departement(Dpt_A->text()))) return 0;
    if (dateAuto() && !Mode_Modification && !Mode_Insertion) {
        fait(Dpt_A);
        Mode_A->setEnabled(true);
        Couleurs::fond(Mode_A, Couleurs::VertClair);
        Date_A->setText(Label33->text());
        Heure_A->setText(Label37->text().left(5));
        Mode_A->setFocus();
    } else {
        fait(Dpt_A);
        ouvrir(Date_A);
    }
    Rem_A->setCursorPosition(Rem_A->text().size());
    return 0;
}

int Main::Date_A_KeyPress(int code) {
    if (code != Enter) return majuscule(code);
    if (refuse(ctx.dialogs, Controles::date(Date_A->text()))) return 0;
    Heure_A->setEnabled(true);
    fait(Date_A);
    Couleurs::fond(Heure_A, Couleurs::VertClair);
    Heure_A->setFocus();
    return 0;
}

int Main::Heure_A_KeyPress(int code) {
    if (code != Enter) return majuscule(code);
    if (refuse(ctx.dialogs, Controles::heure(Heure_A->text()))) return 0;
    Mode_A->setEnabled(true);
    fait(Heure_A);
    Couleurs::fond(Mode_A, Couleurs::VertClair);
    Mode_A->setFocus();
    return 0;
}

int Main::Mode_A_KeyPress(int code) {
    if (code == Enter) {
        if (refuse(ctx.dialogs, Controles::mode(Mode_A->currentText()))) return 0;
        fait(Mode_A);
        ouvrir(RST_A);
        rapportsParDefaut();
    } else {
        code = majuscule(code);
    }
    memoriserIndex(Mode_A, Keys::Mode);
    return code == Enter ? 0 : code;
}

int Main::Bande_A_KeyPress(int code) {
    if (code == Enter) {
        if (refuse(ctx.dialogs, Controles::bande(Bande_A->currentText()))) return 0;
        RST_A->setEnabled(true);
        fait(Bande_A);
        Couleurs::fond(Ind_A, Couleurs::VertClair);
        Ind_A->setEnabled(true);  // a QSO shown from the list disabled it
        Ind_A->setFocus();
    } else {
        code = majuscule(code);
    }
    memoriserIndex(Bande_A, Keys::Bande);
    return code == Enter ? 0 : code;
}

int Main::RST_A_KeyPress(int code) {
    if (code != Enter) return majuscule(code);
    if (refuse(ctx.dialogs, Controles::report(RST_A->text()))) return 0;
    fait(RST_A);
    ouvrir(RSTE_A);
    return 0;
}

int Main::RSTE_A_KeyPress(int code) {
    if (code != Enter) return majuscule(code);
    if (refuse(ctx.dialogs, Controles::report(RSTE_A->text()))) return 0;
    fait(RSTE_A);
    ouvrir(Rem_A);
    Rem_A->setCursorPosition(Rem_A->text().size());
    return 0;
}

int Main::Rem_A_KeyPress(int code) {
    if (code != Enter) return majuscule(code);
    if (refuse(ctx.dialogs, Controles::nom(Rem_A->text()))) return 0;
    fait(Rem_A);
    ouvrir(QSL_A);
    return 0;
}

int Main::QSL_A_KeyPress(int code) {
    if (code != Enter) return code;
    fait(QSL_A);
    ouvrir(Valide_A);
    return 0;
}
