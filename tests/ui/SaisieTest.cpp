#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "ui/widgets/Couleurs.h"
#include "ui/Main.h"
#include "core/journal/TextFile.h"
#include "support/FenetreTest.h"

namespace {

// The main window of a station with a small log, a reference list and a
// first-name memory, shown and active so that typed keys reach it.
class SaisieQso : public FenetreTest {
protected:
    void SetUp() override {
        env.station("F5XYZ", {ligne("F6AAA", "75", "", "DCF-012", "14/05/15", "10:00", "SSB", "14 Mhz")});
        env.writeFile("Liste_DCF.csv",
                      TextFile::joinLines({"Rev 003 du 10/09/15;;;;", "DCF-001;Bourges;18;Saint-Etienne;",
                                           "DCF-012;Paris;75;Notre-Dame;",
                                           "DCF-020;Ajaccio;2A;Notre-Dame-de-l'Assomption;"}));
        env.writeFile("Liste_Prenom.txt", "F6ABC        13 JEAN\r\nF6NOD           PAUL\r\n");
        env.settings->write("DCF", "Setup F5XYZ", "bande Utilisee", "4");
        env.clock.utc = QDateTime(QDate(2026, 12, 6), QTime(10, 32, 17), Qt::UTC);
        ouvrir();
    }
    QStringList messages() { return std::exchange(env.dialogs.notices, {}); }
    QWidget* focus() { return QApplication::focusWidget(); }
};

}  // namespace

TEST_F(SaisieQso, ARoadFromTheCallsignToTheSaveButton) {
    taper(c("Ind_A"), "f6abc");
    EXPECT_EQ(c("Ind_A")->text(), "F6ABC");
    EXPECT_EQ(Couleurs::fond(c("Ind_A")), Couleurs::JauneClair);
    EXPECT_TRUE(c("Prenom_A")->isEnabled());
    EXPECT_EQ(c("Prenom_A")->text(), "JEAN");
    EXPECT_EQ(Couleurs::fond(c("Prenom_A")), Couleurs::VertClair);
    EXPECT_EQ(focus(), c("Prenom_A"));

    QTest::keyClick(c("Prenom_A"), Qt::Key_Return);
    EXPECT_EQ(focus(), c("Ref_A"));
    taper(c("Ref_A"), "dcf-001");
    EXPECT_EQ(c("Ref_A")->text(), "DCF-001");
    EXPECT_EQ(c("Dpt_A")->text(), "18");
    EXPECT_EQ(c("Rem_A")->text(), "C. Saint-Etienne à Bourges");
    EXPECT_EQ(focus(), c("Dpt_A"));

    // Automatic date: the clock fills date and time, the mode comes next.
    QTest::keyClick(c("Dpt_A"), Qt::Key_Return);
    EXPECT_EQ(c("Date_A")->text(), "06/12/26");
    EXPECT_EQ(c("Heure_A")->text(), "10:32");
    EXPECT_FALSE(c("Date_A")->isEnabled());
    auto* mode = c<QComboBox>("Mode_A");
    EXPECT_TRUE(mode->isEnabled());
    EXPECT_EQ(Couleurs::fond(mode), Couleurs::VertClair);

    mode->lineEdit()->clear();
    taper(mode, "cw");
    EXPECT_EQ(mode->currentText(), "CW");
    EXPECT_EQ(c("RST_A")->text(), "599");
    EXPECT_EQ(c("RSTE_A")->text(), "599");
    EXPECT_EQ(env.settings->read("DCF", "Setup F5XYZ", "Mode Utilise", ""), "1");
    EXPECT_EQ(focus(), c("RST_A"));

    QTest::keyClick(c("RST_A"), Qt::Key_Return);
    QTest::keyClick(c("RSTE_A"), Qt::Key_Return);
    EXPECT_EQ(focus(), c("Rem_A"));
    EXPECT_EQ(c("Rem_A")->cursorPosition(), c("Rem_A")->text().size());
    QTest::keyClick(c("Rem_A"), Qt::Key_Return);
    EXPECT_EQ(focus(), c<QCheckBox>("QSL_A"));
    QTest::keyClick(c<QCheckBox>("QSL_A"), Qt::Key_Space);
    QTest::keyClick(c<QCheckBox>("QSL_A"), Qt::Key_Return);
    EXPECT_TRUE(c<QCheckBox>("QSL_A")->isChecked());
    auto* valide = c<QPushButton>("Valide_A");
    EXPECT_TRUE(valide->isEnabled());
    EXPECT_EQ(focus(), valide);
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(SaisieQso, RefusedFieldsKeepTheirTextAndTheFocus) {
    taper(c("Ind_A"), "");
    EXPECT_EQ(messages(), QStringList{"Entrez un indicatif"});
    taper(c("Ind_A"), "f5abcdefghijk");
    EXPECT_EQ(messages(), QStringList{"12 caracteres maxi pour l'indicatif"});
    EXPECT_EQ(c("Ind_A")->text(), "F5ABCDEFGHIJK");
    EXPECT_EQ(focus(), c("Ind_A"));
    EXPECT_FALSE(c("Prenom_A")->isEnabled());

    c("Ind_A")->setText("F6NEW");
    QTest::keyClick(c("Ind_A"), Qt::Key_Return);
    QTest::keyClick(c("Prenom_A"), Qt::Key_Return);
    taper(c("Ref_A"), "dcf-01");
    EXPECT_EQ(messages(), QStringList{"7 ou 8 caracteres pour la reference ex: DCF-001 ou DBF-001B"});
    EXPECT_EQ(c("Ref_A")->text(), "DCF-01");
    EXPECT_EQ(focus(), c("Ref_A"));

    // No row in the list: the operator types the département and the name.
    taper(c("Ref_A"), "9");
    EXPECT_EQ(c("Dpt_A")->text(), "");
    EXPECT_EQ(c("Rem_A")->text(), "");
    taper(c("Dpt_A"), "2A3");
    EXPECT_EQ(c("Dpt_A")->text(), "2a3");
    EXPECT_EQ(messages(), QStringList{"2 caracteres maxi pour le Departement"});
}

TEST_F(SaisieQso, AReferenceAlreadyWorkedOnTheBandAbandonsTheQso) {
    taper(c("Ind_A"), "f6abc");
    QTest::keyClick(c("Prenom_A"), Qt::Key_Return);
    taper(c("Ref_A"), "dcf-012");
    EXPECT_EQ(messages(), QStringList{"DCF-012 Cathédrale déja contacté le 14/05/15 sur 14 Mhz"});
    EXPECT_TRUE(c("Ind_A")->text().isEmpty());
    EXPECT_TRUE(c("Ref_A")->text().isEmpty());
    EXPECT_FALSE(c("Prenom_A")->isEnabled());
    EXPECT_EQ(focus(), c("Ind_A"));

    // Another band: accepted, and the list fills the département (2A -> 2a on Enter).
    c<QComboBox>("Bande_A")->setCurrentIndex(2);
    taper(c("Ind_A"), "f6abc");
    QTest::keyClick(c("Prenom_A"), Qt::Key_Return);
    taper(c("Ref_A"), "dcf-012");
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_EQ(c("Rem_A")->text(), "C. Notre-Dame à Paris");

    // While a logged QSO is being modified the check never runs.
    main->saisie->Init_Saisie();
    c<QComboBox>("Bande_A")->setCurrentIndex(4);
    main->saisie->Mode_Modification = true;
    c("Ref_A")->setEnabled(true);
    taper(c("Ref_A"), "DCF-012");
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_EQ(focus(), c("Dpt_A"));
}

TEST_F(SaisieQso, ManualDateIsTypedAndChecked) {
    c<QAction>("Mnu_Date_Man")->trigger();
    taper(c("Ind_A"), "f6nod");
    EXPECT_EQ(c("Prenom_A")->text(), "PAUL");
    QTest::keyClick(c("Prenom_A"), Qt::Key_Return);
    taper(c("Ref_A"), "dcf-020");
    EXPECT_EQ(c("Rem_A")->text(), "C. de Ajaccio");
    EXPECT_EQ(c("Dpt_A")->text(), "2A");
    QTest::keyClick(c("Dpt_A"), Qt::Key_Return);
    EXPECT_EQ(c("Dpt_A")->text(), "2a");
    EXPECT_EQ(focus(), c("Date_A"));
    EXPECT_TRUE(c("Date_A")->text().isEmpty());

    taper(c("Date_A"), "32/01/15");
    EXPECT_EQ(messages(), QStringList{"Le format de la date doit etre JJ/MM/AA"});
    c("Date_A")->setText("1/1/15");
    QTest::keyClick(c("Date_A"), Qt::Key_Return);
    EXPECT_EQ(messages(), QStringList{"8 caracteres pour la date ex: 01/02/08"});
    c("Date_A")->setText("31/02/15");
    QTest::keyClick(c("Date_A"), Qt::Key_Return);
    EXPECT_EQ(messages(), QStringList{"Le format de la date doit etre JJ/MM/AA"});
    c("Date_A")->setText("29/02/16");
    QTest::keyClick(c("Date_A"), Qt::Key_Return);
    EXPECT_EQ(focus(), c("Heure_A"));
    taper(c("Heure_A"), "24:00");
    EXPECT_EQ(messages(), QStringList{"Le format de l'heure doit etre HH:MM"});
    c("Heure_A")->setText("23:59");
    QTest::keyClick(c("Heure_A"), Qt::Key_Return);
    EXPECT_TRUE(c<QComboBox>("Mode_A")->hasFocus());
    EXPECT_EQ(c<QComboBox>("Mode_A")->currentText(), "SSB");
    taper(c<QComboBox>("Mode_A"), "");
    EXPECT_EQ(c("RST_A")->text(), "59");
}

TEST_F(SaisieQso, RememberedModeAndBandFollowTheKeys) {
    auto* mode = c<QComboBox>("Mode_A");
    mode->setEnabled(true);
    mode->lineEdit()->clear();
    taper(mode, "RTTY");
    EXPECT_EQ(messages(), QStringList{"3 caracteres maxi pour le Mode"});
    EXPECT_EQ(env.settings->read("DCF", "Setup F5XYZ", "Mode Utilise", ""), "-1");
    mode->lineEdit()->clear();
    taper(mode, "fm");
    EXPECT_EQ(env.settings->read("DCF", "Setup F5XYZ", "Mode Utilise", ""), "2");
    EXPECT_EQ(c("RST_A")->text(), "59");

    // Enter in the band returns to the callsign, even after a list click disabled it.
    main->saisie->selectionnerLigne(0);
    EXPECT_FALSE(c("Ind_A")->isEnabled());
    auto* bande = c<QComboBox>("Bande_A");
    bande->lineEdit()->clear();
    taper(bande, "7.0 mhz");
    EXPECT_EQ(bande->currentText(), "7.0 MHZ");
    EXPECT_EQ(env.settings->read("DCF", "Setup F5XYZ", "bande Utilisee", ""), "-1");
    EXPECT_TRUE(c("Ind_A")->isEnabled());
    EXPECT_EQ(focus(), c("Ind_A"));
    bande->setCurrentIndex(8);
    taper(bande, "");
    EXPECT_EQ(env.settings->read("DCF", "Setup F5XYZ", "bande Utilisee", ""), "8");

    // Nothing is remembered while a logged QSO is being modified.
    main->saisie->Mode_Modification = true;
    bande->setCurrentIndex(1);
    taper(bande, "");
    EXPECT_EQ(env.settings->read("DCF", "Setup F5XYZ", "bande Utilisee", ""), "8");
}

TEST_F(SaisieQso, KeysReachAComboBoxAsTheKeyboardSendsThem) {
    // The keyboard sends keys to the combo box that has the focus, not to its line edit.
    auto* mode = c<QComboBox>("Mode_A");
    mode->setEnabled(true);
    mode->lineEdit()->clear();
    mode->setFocus();
    QTest::keyClicks(mode, "cw");
    EXPECT_EQ(mode->currentText(), "CW");
    QTest::keyClick(mode, Qt::Key_Return);
    EXPECT_EQ(c("RST_A")->text(), "599");
    EXPECT_TRUE(c("RST_A")->hasFocus());
    EXPECT_EQ(mode->count(), 3);  // Enter never adds an item
    QTest::keyClick(mode->lineEdit(), Qt::Key_Backspace);
    QTest::keyClicks(mode->lineEdit(), "1");
    EXPECT_EQ(mode->currentText(), "C1");
    EXPECT_EQ(env.settings->read("DCF", "Setup F5XYZ", "Mode Utilise", ""), "-1");
}

TEST(SaisieSansStation, EveryKeyPointsToTheStationMenu) {
    TestEnv env;
    Main main(env.ctx);
    QTimer::singleShot(0, [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == "Station" && w->isVisible()) w->close();
    });
    main.demarrer();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    env.dialogs.notices.clear();
    auto* ind = main.findChild<QLineEdit*>("Ind_A");
    ind->setFocus();
    QTest::keyClicks(ind, "f5");
    EXPECT_EQ(ind->text(), "f5");  // passed on unchanged
    ASSERT_EQ(env.dialogs.notices.size(), 2);
    EXPECT_EQ(env.dialogs.notices[0],
              "\r\n         Premiere installation, vous devez entrer votre Indicatif\r\n\r\n"
              "Pour cela dans la barre des menus allez dans Station puis Nouvel Indicatif.");
    QTest::keyClick(ind, Qt::Key_Return);
    EXPECT_FALSE(main.findChild<QLineEdit*>("Prenom_A")->isEnabled());
}
