// Saving a QSO, and the log list's click, double-click, delete and insert.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

#include "ui/widgets/Couleurs.h"
#include "ui/Main.h"
#include "core/Reglages.h"
#include "core/saisie/Controles.h"
#include "core/saisie/Prenoms.h"
#include "core/journal/Ecrivains.h"
#include "core/journal/LigneQso.h"
#include "ui/ModeleLog.h"
#include "platform/Dialogs.h"
#include "core/journal/TextFile.h"

namespace {

QString erreurEcriture(const QString& fichier) {
    return QStringLiteral("Erreur d'écriture du fichier ") + QDir::toNativeSeparators(fichier) +
           QStringLiteral(", le log n'a pas été modifié");
}

// Text the log can hold: Windows-1252 and no control character.
bool inscriptible(const QString& t) {
    for (QChar c : t)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || (c.unicode() >= 0x80 && c.unicode() < 0xA0))
            return false;
    return TextFile::canEncode(t);
}

}  // namespace

bool Main::reecrireLog(const QString& tmpName,
                       const std::function<QByteArrayList(QByteArrayList)>& change) {
    const QString log = ctx.logPath();
    bool lu = true;
    QByteArrayList avant = TextFile::readRawLines(log, &lu);
    // A log that exists but cannot be read is never replaced by a shorter one.
    if (!lu && QFile::exists(log)) {
        ctx.dialogs->notice(erreurEcriture(log));
        return false;
    }
    QByteArrayList apres = change(std::move(avant));
    QString erreur;
    if (!TextFile::rewrite(log, ctx.path(tmpName), TextFile::joinRawLines(apres), &erreur)) {
        ctx.dialogs->notice(erreurEcriture(log));
        return false;
    }
    chargerListe(std::move(apres));
    selectionnerDerniere();
    return true;
}

// Lines reaching the writers were checked to be Windows-1252 text.
bool Main::Ecrire_En_Fin(const QString& ligne) {
    const QByteArray l = TextFile::encode(ligne);
    return reecrireLog(QStringLiteral("Temporaire.txt"),
                       [&](QByteArrayList ls) { return Ecrivains::ajouterEnFin(std::move(ls), l); });
}

bool Main::Inserer_Par_Date(const QString& ligne) {
    const QByteArray l = TextFile::encode(ligne);
    return reecrireLog(QStringLiteral("Temporaire6.txt"),
                       [&](QByteArrayList ls) { return Ecrivains::insererParDate(std::move(ls), l); });
}

bool Main::Remplacer_Ligne(const QString& nouvelle, const QString& ancienne) {
    const QByteArray n = TextFile::encode(nouvelle), a = TextFile::encode(ancienne);
    return reecrireLog(QStringLiteral("Temporaire.txt"),
                       [&](QByteArrayList ls) { return Ecrivains::remplacer(std::move(ls), n, a); });
}

bool Main::Supprimer_Ligne(const QString& ancienne) {
    const QByteArray a = TextFile::encode(ancienne);
    return reecrireLog(QStringLiteral("Temporaire.txt"),
                       [&](QByteArrayList ls) { return Ecrivains::supprimer(std::move(ls), a); });
}

bool Main::verifierAvantEnregistrement() {
    struct Champ {
        QWidget* w;
        QString texte;
        QString (*controle)(const QString&);
        const char* nom;
    };
    const Champ champs[] = {
        {Ind_A, Ind_A->text(), Controles::indicatif, "Indicatif"},
        {Prenom_A, Prenom_A->text(), Controles::prenom, "Prénom"},
        {Ref_A, Ref_A->text(), Controles::reference, "Ref Cathédrale"},
        {Dpt_A, Dpt_A->text(), Controles::departement, "Dpt"},
        {Date_A, Date_A->text(), Controles::date, "Date"},
        {Heure_A, Heure_A->text(), Controles::heure, "Heure UTC"},
        {Mode_A, Mode_A->currentText(), Controles::mode, "Mode"},
        {Bande_A, Bande_A->currentText(), Controles::bande, "Bande"},
        {RST_A, RST_A->text(), Controles::report, "RST R"},
        {RSTE_A, RSTE_A->text(), Controles::report, "RST E"},
        {Rem_A, Rem_A->text(), nullptr, "Nom de la Cathédrale"},
    };
    for (const Champ& c : champs) {
        QString refus;
        if (!inscriptible(c.texte))
            refus = QStringLiteral("Le champ \"") + QString::fromUtf8(c.nom) +
                    QStringLiteral("\" contient un caractère que le log ne peut pas enregistrer");
        else if (c.controle)
            refus = c.controle(c.texte);
        if (!refus.isEmpty()) {
            ctx.dialogs->notice(refus);
            c.w->setEnabled(true);
            c.w->setFocus();
            return false;
        }
    }
    if (!Mode_Modification && modele->rowCount() >= LigneQso::MaxQso) {
        ctx.dialogs->notice(QStringLiteral(
            "Le log contient déjà 99999 QSO, le maximum : ce QSO n'a pas été enregistré"));
        return false;
    }
    return true;
}

void Main::Valide_A_Click() {
    if (!verifierAvantEnregistrement()) return;
    if (ctx.dialogs->question(QStringLiteral("Voulez vous enregistrer ces données ?"))) {
        Prenom_A->setText(Prenom_A->text().toUpper());
        QString erreur;
        if (!Prenoms::Maj_Prenom(fichierPrenoms(), ctx.path(QStringLiteral("Temporaire.txt")),
                                 Prenoms::enregistrement(Ind_A->text(), Dpt_A->text(), Prenom_A->text()),
                                 &erreur)) {
            // Nothing written yet: the QSO stays in the form.
            ctx.dialogs->notice(erreurEcriture(fichierPrenoms()));
            return;
        }
        QString nom = Rem_A->text().trimmed();
        if (nom.size() > 30) {
            nom = nom.left(30);
            Rem_A->setText(nom);
        }
        const Qso q{Ind_A->text(),   Dpt_A->text(),         Prenom_A->text(),  Ref_A->text(),
                    Date_A->text(),  Heure_A->text(),       Mode_A->currentText(),
                    Bande_A->currentText(), RST_A->text(),  RSTE_A->text(),    nom.toUpper(),
                    QSL_A->isChecked() ? QStringLiteral("*") : QStringLiteral(" ")};
        const QString ligne = LigneQso::format(q);
        bool ecrit;
        if (Mode_Modification)
            ecrit = Remplacer_Ligne(ligne, LigneQso::reconstruire(Ligne_Selectionnee));
        else if (dateAuto() && !Mode_Insertion)
            ecrit = Ecrire_En_Fin(ligne);
        else
            ecrit = Inserer_Par_Date(ligne);
        if (!ecrit) return;  // the message was shown; the typed QSO is kept
    }
    apresEnregistrement();
}

void Main::apresEnregistrement() {
    selectionnerDerniere();
    Mode_Modification = false;
    Mode_Insertion = false;
    Edition_En_Cours = false;
    Mode_Aff->setText(QStringLiteral("Saisie QSO"));
    Valide_A->setEnabled(false);
    Valide_A->setPalette(QPalette());  // no longer the field to fill next
    for (QLineEdit* e : {Ind_A, Dpt_A, Prenom_A, Ref_A}) {
        e->clear();
        fermer(e);
    }
    if (dateAuto()) Date_A->clear();  // a manual date stays for the next QSO
    fermer(Date_A);
    Heure_A->clear();
    fermer(Heure_A);
    fermer(Mode_A);
    Couleurs::fond(Bande_A, Couleurs::JauneClair);
    fermer(RST_A);
    fermer(RSTE_A);
    rapportsParDefaut();  // the mode shown now, before the stored one is restored below
    Rem_A->clear();
    fermer(Rem_A);
    QSL_A->setChecked(false);
    QSL_A->setEnabled(false);
    Couleurs::fond(Ind_A, Couleurs::VertClair);
    Ind_A->setEnabled(true);
    Ind_A->setFocus();
    selectionnerIndex(Bande_A, ctx.readStationIndex(Keys::Bande));
    selectionnerIndex(Mode_A, ctx.readStationIndex(Keys::Mode));
}

void Main::Liste_DCF_DblClick() {
    if (Edition_En_Cours) return;
    if (Ligne_Selectionnee.isEmpty()) {
        ctx.dialogs->notice(QStringLiteral("Cliquez sur une ligne pour l'editer"));
        return;
    }
    Edition_En_Cours = true;
    Mode_Modification = true;
    for (QWidget* w : std::initializer_list<QWidget*>{Ind_A, Dpt_A, Prenom_A, Ref_A, Date_A, Heure_A,
                                                      Mode_A, Bande_A, RST_A, RSTE_A, Rem_A, QSL_A,
                                                      Valide_A})
        w->setEnabled(true);
    Mode_Aff->setText(QStringLiteral("Modification QSO"));
    remplirDepuis(Ligne_Selectionnee);
    Ind_A->setEnabled(true);
    Couleurs::fond(Ind_A, Couleurs::VertClair);
    Ind_A->setFocus();
}

void Main::Annule_Saisie_Click() {
    if (Ligne_Selectionnee.isEmpty()) {
        ctx.dialogs->notice(QStringLiteral("Cliquez sur une ligne pour l'effacer"));
        return;
    }
    const QString ligne = LigneQso::reconstruire(Ligne_Selectionnee, true);
    if (ctx.dialogs->question(QStringLiteral("Voulez vous Supprimer ce QSO ?"))) Supprimer_Ligne(ligne);
    Annule_Saisie->setEnabled(false);
    Init_Saisie();
}

void Main::Ajout_QSO_Click() {
    Mode_Insertion = true;
    Mode_Aff->setText(QStringLiteral("Insertion QSO"));
    Ind_A->setEnabled(true);  // a click on the list disabled it
    Ind_A->setFocus();
}
