#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "core/journal/Carnet.h"

#include "ui/widgets/Couleurs.h"
#include "ui/Main.h"
#include "core/journal/LigneQso.h"
#include "core/journal/TextFile.h"
#include "support/FenetreTest.h"

namespace {

class Enregistrement : public FenetreTest {
protected:
    void demarrer(const QStringList& log, bool dateAuto = true) {
        env.station("F5XYZ", log);
        env.settings->write("DCF", "Setup F5XYZ", "Date Auto", dateAuto ? "Oui" : "Non");
        env.writeFile("Liste_DCF.csv", "Rev 003 du 10/09/15;;;;\r\nDCF-001;Bourges;18;Saint-Etienne;\r\n");
        env.clock.utc = QDateTime(QDate(2026, 12, 6), QTime(10, 32), Qt::UTC);
        ouvrir();
    }
    // Types a whole QSO through the real fields, up to the enabled save button.
    void saisir(const QString& call, const QString& ref, const QString& date = {},
                const QString& heure = {}, const QString& prenom = {}) {
        entree(c("Ind_A"), call);
        entree(c("Prenom_A"), prenom);
        entree(c("Ref_A"), ref);
        entree(c("Dpt_A"));
        if (c("Date_A")->isEnabled()) {
            entree(c("Date_A"), date);
            entree(c("Heure_A"), heure);
        }
        entree(c<QComboBox>("Mode_A"));
        entree(c("RST_A"));
        entree(c("RSTE_A"));
        entree(c("Rem_A"));
        entree(c<QCheckBox>("QSL_A"));
        ASSERT_TRUE(c<QPushButton>("Valide_A")->isEnabled());
    }
    QStringList log() { return TextFile::splitLines(TextFile::decode(env.readFile("F5XYZ_DCF.log"))); }
};

}  // namespace

TEST_F(Enregistrement, FirstQsoWithAManualDateIsTheWholeLog) {
    demarrer({}, false);
    saisir("f6abc", "dcf-001", "14/05/15", "10:32", "jean");
    c<QPushButton>("Valide_A")->click();
    EXPECT_EQ(env.dialogs.questions, QStringList{"Voulez vous enregistrer ces données ?"});
    const QByteArray attendu =
        "F6ABC        18 JEAN            DCF-001 14/05/15 10:32 SSB 1.8 Mhz 59  59  "
        "C. SAINT-ETIENNE \xC0 BOURGES      \r\n";
    EXPECT_EQ(attendu.size(), 109);
    EXPECT_EQ(env.readFile("F5XYZ_DCF.log"), attendu);
    EXPECT_EQ(env.readFile("Liste_Prenom.txt"), QByteArray("F6ABC        18 JEAN\r\n"));
    ASSERT_EQ(lignesListe().size(), 1);
    EXPECT_EQ(main->saisie->Ligne_Selectionnee, lignesListe()[0]);
    EXPECT_TRUE(c<QPushButton>("Annule_Saisie")->isEnabled());
    // The manual date stays for the next QSO; the rest is cleared.
    EXPECT_EQ(c("Date_A")->text(), "14/05/15");
    EXPECT_TRUE(c("Ind_A")->text().isEmpty());
    EXPECT_EQ(Couleurs::fond(c("Ind_A")), Couleurs::VertClair);
    EXPECT_FALSE(c<QPushButton>("Valide_A")->isEnabled());
    EXPECT_FALSE(QFile::exists(env.dir.filePath("Temporaire6.txt")));
}

TEST_F(Enregistrement, AutomaticDateAppendsInsertionModeInserts) {
    const QString tard = ligne("9A1AA", "75", "", "DCF-002", "01/01/30", "10:00");
    demarrer({tard});
    saisir("f6abc", "dcf-001");
    c<QPushButton>("Valide_A")->click();
    ASSERT_EQ(log().size(), 2);
    EXPECT_EQ(log()[0], tard);
    EXPECT_TRUE(log()[1].startsWith("F6ABC        18                 DCF-001 06/12/26 10:32"));
    EXPECT_TRUE(c("Date_A")->text().isEmpty());

    c<QPushButton>("Ajout_QSO")->click();
    EXPECT_EQ(c<QLabel>("Mode_Aff")->text(), "Insertion QSO");
    saisir("f6def", "dcf-005", "15/03/99", "08:00");  // typed, even with the automatic date
    c<QPushButton>("Valide_A")->click();
    ASSERT_EQ(log().size(), 3);
    EXPECT_TRUE(log()[0].startsWith("F6DEF"));
    EXPECT_EQ(c<QLabel>("Mode_Aff")->text(), "Saisie QSO");
}

TEST_F(Enregistrement, LongNamesLowerCaseNamesAndTheQslMark) {
    demarrer({});
    entree(c("Ind_A"), "f6abc");
    c("Prenom_A")->setText("rené");
    entree(c("Prenom_A"));
    entree(c("Ref_A"), "dcf-777");
    entree(c("Dpt_A"), "2B");
    entree(c<QComboBox>("Mode_A"));
    entree(c("RST_A"));
    entree(c("RSTE_A"));
    c("Rem_A")->setText("  Basilique Notre-Dame de la Garde à Marseille ");
    c<QCheckBox>("QSL_A")->setEnabled(true);
    c<QCheckBox>("QSL_A")->setChecked(true);
    c<QPushButton>("Valide_A")->setEnabled(true);
    env.dialogs.onShow = [this](const QString& q) {
        if (q.startsWith("Voulez")) {
            EXPECT_EQ(c("Prenom_A")->text(), "rené");
        }
    };
    c<QPushButton>("Valide_A")->click();
    const QString l = log().value(0);
    ASSERT_EQ(l.size(), 107);
    EXPECT_EQ(l.mid(13, 2), "2b");
    EXPECT_EQ(l.mid(16, 15), "RENÉ           ");
    EXPECT_EQ(l.mid(75, 30), "BASILIQUE NOTRE-DAME DE LA GAR");
    EXPECT_EQ(l.mid(105, 2), " *");
    EXPECT_EQ(env.readFile("F5XYZ_DCF.log").mid(16, 4), QByteArray("REN\xC9"));
}

TEST_F(Enregistrement, AnswerNoWritesNothingAndResets) {
    const QStringList avant = {ligne("F6AAA", "75", "", "DCF-002", "01/01/15", "10:00", "CW")};
    demarrer(avant);
    const QByteArray octets = env.readFile("F5XYZ_DCF.log");
    saisir("f6abc", "dcf-001");
    env.dialogs.answers = {false};
    c<QPushButton>("Valide_A")->click();
    EXPECT_EQ(env.readFile("F5XYZ_DCF.log"), octets);
    EXPECT_FALSE(QFile::exists(env.dir.filePath("Liste_Prenom.txt")));
    EXPECT_TRUE(c("Ind_A")->text().isEmpty());
    // The last line (a CW QSO) was loaded by the reselection: its mode sets the reports.
    EXPECT_EQ(c("RST_A")->text(), "599");
    EXPECT_EQ(c<QComboBox>("Mode_A")->currentText(), "SSB");
    c<QPushButton>("Efface_A")->click();
    EXPECT_EQ(c("RST_A")->text(), "59");
}

TEST_F(Enregistrement, EditAQsoInPlaceThenDeleteIt) {
    const QString a = ligne("F6AAA", "75", "JEAN", "DCF-002", "01/01/15", "10:00");
    const QString b = ligne("F6BBB", "13", "", "DCF-003", "02/01/15", "10:00");
    const QString c3 = ligne("F6CCC", "31", "", "DCF-004", "03/01/15", "10:00");
    demarrer({a, b, c3});
    auto* liste = c<QListView>("Liste_DCF");

    main->saisie->Ligne_Selectionnee.clear();
    main->saisie->Liste_DCF_DblClick();
    EXPECT_EQ(env.dialogs.notices, QStringList{"Cliquez sur une ligne pour l'editer"});

    // A real double-click on the second line: a click first, then modification.
    const QRect r = liste->visualRect(liste->model()->index(1, 0));
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, r.center());
    QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, r.center());
    EXPECT_EQ(c<QLabel>("Mode_Aff")->text(), "Modification QSO");
    EXPECT_EQ(c("Ind_A")->text(), "F6BBB");
    EXPECT_TRUE(c("Heure_A")->isEnabled());
    main->saisie->selectionnerLigne(2);  // clicks load nothing while editing
    EXPECT_EQ(c("Ind_A")->text(), "F6BBB");

    c("Heure_A")->setText("11:45");
    c<QPushButton>("Valide_A")->click();
    ASSERT_EQ(log().size(), 3);
    EXPECT_EQ(log()[1].mid(49, 5), "11:45");
    EXPECT_EQ(log()[1].left(12), "F6BBB       ");
    EXPECT_EQ(log()[0], a);
    EXPECT_EQ(c<QLabel>("Mode_Aff")->text(), "Saisie QSO");

    // Delete the first line, answering No then Yes.
    main->saisie->selectionnerLigne(0);
    env.dialogs.answers = {false};
    c<QPushButton>("Annule_Saisie")->click();
    EXPECT_EQ(log().size(), 3);
    EXPECT_FALSE(c<QPushButton>("Annule_Saisie")->isEnabled());
    main->saisie->selectionnerLigne(0);
    c<QPushButton>("Annule_Saisie")->click();
    EXPECT_EQ(env.dialogs.questions.last(), "Voulez vous Supprimer ce QSO ?");
    ASSERT_EQ(log().size(), 2);
    EXPECT_TRUE(log()[0].startsWith("F6BBB"));
    EXPECT_EQ(lignesListe()[0].left(8), "     1  ");
}

TEST_F(Enregistrement, IdenticalLinesAreDeletedTogether) {
    const QString a = ligne("F6AAA", "75", "", "DCF-002", "01/01/15", "10:00");
    const QString b = ligne("F6BBB", "13", "", "DCF-003", "02/01/15", "10:00");
    demarrer({a, b, a});
    main->saisie->selectionnerLigne(2);
    c<QPushButton>("Annule_Saisie")->click();
    EXPECT_EQ(log(), QStringList{b});
}

TEST_F(Enregistrement, EveryFieldIsCheckedAgainAtSave) {
    const QString a = ligne("F6AAA", "75", "", "DCF-002", "01/01/15", "10:00");
    demarrer({a});
    const QByteArray octets = env.readFile("F5XYZ_DCF.log");
    main->saisie->selectionnerLigne(0);
    main->saisie->Liste_DCF_DblClick();

    struct Cas {
        const char* champ;
        QString valeur;
        QString message;
    } cas[] = {
        {"Ind_A", "F6AAAAAAAAAAAAAAAAAA", "12 caracteres maxi pour l'indicatif"},
        {"Heure_A", "25:00", "Le format de l'heure doit etre HH:MM"},
        {"Rem_A", "Cath\u00e9drale \u0141\u00f3d\u017a", "Le champ \"Nom de la Cathédrale\" contient un caractère que le log ne peut pas enregistrer : \u0141"},
        {"Prenom_A", "JEAN\tPAUL", "Le champ \"Prénom\" contient un caractère que le log ne peut pas enregistrer : U+0009"},
    };
    for (const Cas& k : cas) {
        const QString ancien = c(k.champ)->text();
        c(k.champ)->setText(k.valeur);
        env.dialogs.notices.clear();
        c<QPushButton>("Valide_A")->click();
        EXPECT_EQ(env.dialogs.notices, QStringList{k.message}) << k.champ;
        EXPECT_TRUE(c(k.champ)->hasFocus()) << k.champ;
        EXPECT_TRUE(env.dialogs.questions.isEmpty());
        c(k.champ)->setText(ancien);
    }
    c<QComboBox>("Mode_A")->setEditText("RTTY");
    env.dialogs.notices.clear();
    c<QPushButton>("Valide_A")->click();
    EXPECT_EQ(env.dialogs.notices, QStringList{"3 caracteres maxi pour le Mode"});
    EXPECT_EQ(env.readFile("F5XYZ_DCF.log"), octets);
}

TEST_F(Enregistrement, AFailedRewriteKeepsTheLogAndTheTypedQso) {
    const QString a = ligne("F6AAA", "75", "", "DCF-002", "01/01/15", "10:00");
    demarrer({a});
    const QByteArray octets = env.readFile("F5XYZ_DCF.log");
    saisir("f6abc", "dcf-001");
    QFile::setPermissions(env.ctx.logPath(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    env.dialogs.notices.clear();
    c<QPushButton>("Valide_A")->click();
    EXPECT_EQ(env.dialogs.notices, QStringList{Carnet::messageEcriture(env.ctx.logPath(), true)});
    EXPECT_EQ(env.readFile("F5XYZ_DCF.log"), octets);
    EXPECT_EQ(c("Ind_A")->text(), "F6ABC");
    EXPECT_EQ(c("Ref_A")->text(), "DCF-001");
    // Nothing saved, nothing remembered.
    EXPECT_TRUE(env.readFile("Liste_Prenom.txt").isEmpty());
}

TEST_F(Enregistrement, AFullLogRefusesANewQso) {
    demarrer(QStringList(99999, ligne("F6AAA", "75", "", "DCF-002", "01/01/15", "10:00")));
    const qint64 taille = QFileInfo(env.ctx.logPath()).size();
    saisir("f6abc", "dcf-001");
    env.dialogs.notices.clear();
    c<QPushButton>("Valide_A")->click();
    EXPECT_EQ(env.dialogs.notices.size(), 1);
    EXPECT_TRUE(env.dialogs.questions.isEmpty());
    EXPECT_EQ(QFileInfo(env.ctx.logPath()).size(), taille);
}
