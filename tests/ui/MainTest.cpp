#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QDir>
#include <QPushButton>
#include <QTest>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <gtest/gtest.h>

#include "ui/widgets/Couleurs.h"
#include "ui/widgets/EnteteListe.h"
#include "ui/Main.h"
#include "ui/ModeleLog.h"
#include "ui/widgets/Combos.h"
#include "core/Reglages.h"
#include "ui/Station.h"
#include "platform/Windows.h"
#include "core/journal/LigneQso.h"
#include "support/Doubles.h"

namespace {

template <class T>
T* enfant(QWidget* w, const char* name) {
    T* c = w->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
}

Station* fenetreStation() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* s = qobject_cast<Station*>(w); s && s->isVisible()) return s;
    return nullptr;
}

QString lire(TestEnv& env, const QString& section, const QString& key) {
    return env.settings->read(Keys::App, section, key, "<absent>");
}

}  // namespace

TEST(Demarrage, FirstRunAsksForTheStationAndCreatesItsLog) {
    TestEnv env;
    Main main(env.ctx);
    QString typed;
    QTimer::singleShot(0, [&] {
        Station* s = fenetreStation();
        ASSERT_NE(s, nullptr);
        EXPECT_TRUE(s->isModal());
        EXPECT_EQ(s->windowTitle(), "Selection Indicatif");
        QTest::keyClicks(s->New_Indicatif, "f5xyz/p");
        typed = s->New_Indicatif->text();
        s->Validation->click();
    });
    main.demarrer();

    ASSERT_EQ(env.dialogs.notices.size(), 1);
    EXPECT_EQ(env.dialogs.notices[0],
              "\r\nPremiere installation, vous devez entrer votre Indicatif\r\n\r\n");
    EXPECT_EQ(typed, "F5XYZ_P");
    EXPECT_EQ(env.ctx.station, "F5XYZ_P");
    EXPECT_EQ(enfant<QLabel>(&main, "I_Station")->text(), "F5XYZ/P");
    ASSERT_TRUE(QFile::exists(env.dir.filePath("F5XYZ_P_DCF.log")));
    EXPECT_EQ(env.readFile("F5XYZ_P_DCF.log"), QByteArray());
    EXPECT_EQ(enfant<QComboBox>(&main, "Bande_A")->currentText(), "1.8 Mhz");
    EXPECT_EQ(enfant<QComboBox>(&main, "Mode_A")->currentText(), "SSB");
    EXPECT_TRUE(main.modele->rowCount() == 0);

    EXPECT_EQ(lire(env, "Setup ", "Indicatif Station"), "F5XYZ_P");
    EXPECT_EQ(lire(env, "Setup ", "Chemin Repertoire"), env.dir.path());
    EXPECT_EQ(lire(env, "Setup F5XYZ_P", "bande Utilisee"), "0");
    EXPECT_EQ(lire(env, "Setup F5XYZ_P", "Mode Utilise"), "0");
    EXPECT_EQ(lire(env, "Setup F5XYZ_P", "Revision"), " 1.0.3");
    EXPECT_EQ(main.windowTitle(), "Vitralog   Diplome des Cathédrales de France Revision  1.0.3");
}

TEST(Demarrage, StationWindowClosedWithoutACallsignLeavesTheProgramNotSetUp) {
    TestEnv env;
    Main main(env.ctx);
    QTimer::singleShot(0, [&] {
        if (Station* s = fenetreStation()) s->close();
    });
    main.demarrer();
    EXPECT_EQ(env.ctx.station, "FXXXX");
    EXPECT_EQ(enfant<QLabel>(&main, "I_Station")->text(), "FXXXX");
    EXPECT_TRUE(main.modele->rowCount() == 0);
    EXPECT_EQ(lire(env, "Setup FXXXX", "Revision"), " 1.0.3");
    EXPECT_FALSE(QFile::exists(env.dir.filePath("FXXXX_DCF.log")));
}

TEST(Demarrage, LaterRunListsTheLogAndLeavesAnEmptyFormReadyForTheNextQso) {
    TestEnv env;
    const QStringList lignes = {
        ligne("F6AAA", "75", "JEAN", "DCF-001", "01/02/15", "10:00"),
        ligne("F6BBB", "13", "", "DBF-012B", "02/02/15", "11:00", "CW", "7.0 Mhz", "", true),
        ligne("F6CCC", "2a", "ANNE", "DCF-040", "03/02/15", "12:00")};
    env.station("F5XYZ_P", lignes);
    env.settings->write("DCF", "Setup F5XYZ_P", "bande Utilisee", "4");
    env.settings->write("DCF", "Setup F5XYZ_P", "Mode Utilise", "1");
    Main main(env.ctx);
    main.demarrer();

    EXPECT_TRUE(env.dialogs.notices.isEmpty());
    EXPECT_EQ(enfant<QLabel>(&main, "I_Station")->text(), "F5XYZ_P");  // stored form
    ASSERT_EQ(main.modele->rowCount(), 3);
    EXPECT_EQ(main.modele->affichage(0), LigneQso::affichage(lignes[0], 1));
    EXPECT_EQ(main.Liste_DCF->currentIndex().row(), 2);
    EXPECT_EQ(main.saisie->Ligne_Selectionnee, LigneQso::affichage(lignes[2], 3));
    EXPECT_EQ(enfant<QLabel>(&main, "Label_Liste_DCF")->text(), LigneQso::Entete);

    // The form is empty again, focus-ready in Ind_A; the delete button off.
    auto* ind = enfant<QLineEdit>(&main, "Ind_A");
    EXPECT_TRUE(ind->text().isEmpty());
    EXPECT_TRUE(ind->isEnabled());
    EXPECT_EQ(Couleurs::fond(ind), Couleurs::VertClair);
    EXPECT_FALSE(enfant<QPushButton>(&main, "Annule_Saisie")->isEnabled());
    EXPECT_FALSE(enfant<QPushButton>(&main, "Valide_A")->isEnabled());
    EXPECT_EQ(enfant<QLineEdit>(&main, "Rem_A")->text(), " ");
    EXPECT_EQ(enfant<QComboBox>(&main, "Bande_A")->currentText(), "14 Mhz");
    EXPECT_EQ(enfant<QComboBox>(&main, "Mode_A")->currentText(), "CW");
    EXPECT_EQ(enfant<QLineEdit>(&main, "RST_A")->text(), "599");
    EXPECT_EQ(enfant<QLabel>(&main, "Mode_Aff")->text(), "Saisie QSO");
    for (const char* n : {"Prenom_A", "Ref_A", "Dpt_A", "Date_A", "Heure_A", "RST_A", "RSTE_A", "Rem_A"}) {
        auto* e = enfant<QLineEdit>(&main, n);
        EXPECT_FALSE(e->isEnabled()) << n;
        EXPECT_EQ(Couleurs::fond(e), Couleurs::JauneClair) << n;
    }
    EXPECT_FALSE(enfant<QComboBox>(&main, "Mode_A")->isEnabled());
    EXPECT_TRUE(enfant<QComboBox>(&main, "Bande_A")->isEnabled());
}

TEST(Demarrage, ClickOnTheListShowsTheQsoReadOnly) {
    TestEnv env;
    const QString l = ligne("F6BBB", "13", "", "DBF-012B", "02/02/15", "11:00", "CW", "7.0 Mhz",
                            "B. DE LOURDES", true);
    env.station("F5XYZ", {l, ligne("F6AAA", "75", "JEAN", "DCF-001", "01/02/15", "10:00")});
    Main main(env.ctx);
    main.demarrer();
    main.saisie->selectionnerLigne(0);
    EXPECT_EQ(enfant<QLineEdit>(&main, "Ref_A")->text(), "DBF-012B");
    EXPECT_EQ(enfant<QLineEdit>(&main, "Rem_A")->text(), "B. DE LOURDES");
    EXPECT_EQ(enfant<QComboBox>(&main, "Bande_A")->currentText(), "7.0 Mhz");
    EXPECT_EQ(indexCombo(enfant<QComboBox>(&main, "Bande_A")), 2);
    EXPECT_TRUE(enfant<QCheckBox>(&main, "QSL_A")->isChecked());
    EXPECT_FALSE(enfant<QLineEdit>(&main, "Ind_A")->isEnabled());
    EXPECT_TRUE(enfant<QPushButton>(&main, "Annule_Saisie")->isEnabled());
    main.saisie->selectionnerLigne(1);
    EXPECT_FALSE(enfant<QCheckBox>(&main, "QSL_A")->isChecked());
    EXPECT_EQ(enfant<QLineEdit>(&main, "Ind_A")->text(), "F6AAA");
}

TEST(Demarrage, OddSettingsAndAMissingLogDoNotStopTheProgram) {
    TestEnv env;
    env.station("F5XYZ");
    QFile::remove(env.ctx.logPath());
    env.settings->write("DCF", "Setup F5XYZ", "bande Utilisee", "douze");
    env.settings->write("DCF", "Setup F5XYZ", "Mode Utilise", "7");
    env.settings->write("DCF", "Setup F5XYZ", "Date Auto", "Peut-etre");
    Main main(env.ctx);
    main.demarrer();
    EXPECT_TRUE(main.modele->rowCount() == 0);
    EXPECT_EQ(enfant<QComboBox>(&main, "Bande_A")->currentText(), "1.8 Mhz");
    EXPECT_EQ(enfant<QComboBox>(&main, "Mode_A")->currentIndex(), -1);
    EXPECT_TRUE(enfant<QAction>(&main, "Mnu_Date_Auto")->isChecked());
    EXPECT_FALSE(enfant<QAction>(&main, "Mnu_Date_Man")->isChecked());
}

TEST(StationWindow, RefusalsKeepEverythingAsItWas) {
    TestEnv env;
    env.station("F5XYZ");
    Main main(env.ctx);
    main.demarrer();
    Station s(env.ctx);
    struct Cas {
        QString texte, message;
        bool vide;
    } cas[] = {
        {"", "Vous devez entrer un indicatif", true},
        {"F5XYZABCDEFGH", "12 caracteres maximum pour l'indicatif", false},
        {"F5XYZ-P", "L'indicatif ne doit comporter que des lettres des chiffres ou le signe '_' ", true},
    };
    for (const Cas& c : cas) {
        env.dialogs.notices.clear();
        s.New_Indicatif->setText(c.texte);
        s.Validation->click();
        ASSERT_EQ(env.dialogs.notices.size(), 1) << c.texte.toStdString();
        EXPECT_EQ(env.dialogs.notices[0], c.message);
        EXPECT_EQ(s.New_Indicatif->text().isEmpty(), c.vide);
    }
    EXPECT_EQ(env.ctx.station, "F5XYZ");
    EXPECT_EQ(lire(env, "Setup ", "Indicatif Station"), "F5XYZ");
    EXPECT_EQ(QDir(env.dir.path()).entryList({"*_DCF.log"}), QStringList{"F5XYZ_DCF.log"});
}

TEST(StationWindow, EnterNeverValidatesItMovesToTheButton) {
    TestEnv env;
    env.station("F5XYZ");
    Station s(env.ctx);
    s.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&s));
    s.New_Indicatif->setFocus();
    QTest::keyClicks(s.New_Indicatif, "f4abc");
    QTest::keyClick(s.New_Indicatif, Qt::Key_Return);
    EXPECT_EQ(s.New_Indicatif->text(), "F4ABC");
    EXPECT_EQ(Couleurs::fond(s.New_Indicatif), Couleurs::Blanc);
    EXPECT_TRUE(s.Validation->hasFocus());
    EXPECT_EQ(env.ctx.station, "F5XYZ");
    EXPECT_FALSE(QFile::exists(env.dir.filePath("F4ABC_DCF.log")));

    // A second Enter acts on the focused button.
    QTest::keyClick(s.Validation, Qt::Key_Return);
    EXPECT_EQ(env.ctx.station, "F4ABC");
    EXPECT_TRUE(QFile::exists(env.dir.filePath("F4ABC_DCF.log")));
}

TEST(StationWindow, OpensCentredOnTheScreen) {
    TestEnv env;
    Station s(env.ctx);
    Windows::centreOnScreen(&s);  // as start-up does, before the window is shown
    s.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&s));
    const QRect ecran = s.screen()->geometry();
    EXPECT_LE(std::abs(s.x() + s.width() / 2 - ecran.center().x()), 2);
    EXPECT_LE(std::abs(s.y() + s.height() / 2 - ecran.center().y()), 2);
}

TEST(StationWindow, KnownStationKeepsItsLogAndItsChoices) {
    TestEnv env;
    const QStringList lignes = {ligne("F6AAA", "75", "JEAN", "DCF-001", "01/02/15", "10:00")};
    env.station("F4ABC", lignes);
    env.settings->write("DCF", "Setup F4ABC", "bande Utilisee", "8");
    env.settings->write("DCF", "Setup F4ABC", "Mode Utilise", "2");
    const QByteArray avant = env.readFile("F4ABC_DCF.log");
    env.station("F5XYZ");
    Main main(env.ctx);
    main.demarrer();
    ASSERT_TRUE(main.modele->rowCount() == 0);

    main.Mnu_New_Indicatif_Click();
    Station* s = fenetreStation();
    ASSERT_NE(s, nullptr);
    EXPECT_FALSE(s->isModal());
    main.Mnu_New_Indicatif_Click();  // the open one comes to the front, no second window
    EXPECT_EQ(fenetreStation(), s);
    s->New_Indicatif->setText("F4ABC");
    s->Validation->click();
    QApplication::processEvents();

    EXPECT_EQ(env.readFile("F4ABC_DCF.log"), avant);
    EXPECT_EQ(main.modele->rowCount(), 1);
    EXPECT_EQ(enfant<QComboBox>(&main, "Bande_A")->currentText(), "28 Mhz");
    EXPECT_EQ(enfant<QComboBox>(&main, "Mode_A")->currentText(), "FM");
    EXPECT_EQ(lire(env, "Setup ", "Indicatif Station"), "F4ABC");
    EXPECT_EQ(fenetreStation(), nullptr);
}

TEST(StationWindow, ALogThatCannotBeCreatedChangesNothing) {
    TestEnv env;
    env.station("F5XYZ");
    QDir(env.dir.path()).mkdir("F4ABC_DCF.log.d");
    Main main(env.ctx);
    main.demarrer();
    env.ctx.dataDir = env.dir.filePath("absent/sous-dossier");  // nowhere to write
    Station s(env.ctx);
    s.New_Indicatif->setText("F4ABC");
    s.Validation->click();
    ASSERT_EQ(env.dialogs.notices.size(), 1);
    EXPECT_TRUE(env.dialogs.notices[0].startsWith("Impossible de créer le fichier "));
    EXPECT_TRUE(env.dialogs.notices[0].endsWith("F4ABC_DCF.log"));
    EXPECT_EQ(env.ctx.station, "F5XYZ");
    EXPECT_EQ(lire(env, "Setup ", "Indicatif Station"), "F5XYZ");
    EXPECT_EQ(lire(env, "Setup F4ABC", "bande Utilisee"), "<absent>");
}

TEST(Horloge, TicksAcrossMidnightUtcAndShowTheLocalZone) {
    TestEnv env;
    env.station("F5XYZ");
    Main main(env.ctx);
    main.demarrer();
    env.clock.utc = QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59), Qt::UTC);
    env.clock.offsetSeconds = 0;
    main.Timer1_Timer();
    EXPECT_EQ(enfant<QLabel>(&main, "Label37")->text(), "23:59 Utc");
    EXPECT_EQ(enfant<QLabel>(&main, "Label33")->text(), "31/12/26");
    env.clock.utc = env.clock.utc.addSecs(1);
    main.Timer1_Timer();
    EXPECT_EQ(enfant<QLabel>(&main, "Label37")->text(), "00:00 Utc");
    EXPECT_EQ(enfant<QLabel>(&main, "Label33")->text(), "01/01/27");

    // Two hours ahead: the local clock is already tomorrow, the date is UTC's.
    env.clock.utc = QDateTime(QDate(2026, 6, 14), QTime(23, 30), Qt::UTC);
    env.clock.offsetSeconds = 2 * 3600;
    main.Timer1_Timer();
    EXPECT_EQ(enfant<QLabel>(&main, "Label34")->text(), "01:30 Loc");
    EXPECT_EQ(enfant<QLabel>(&main, "Label37")->text(), "23:30 Utc");
    EXPECT_EQ(enfant<QLabel>(&main, "Label33")->text(), "14/06/26");

    // The timer itself runs every second.
    auto* timer = main.findChild<QTimer*>("Timer1");
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 1000);
}

TEST(Menus, DateModeKeepsOneCheckMarkAndItsSetting) {
    TestEnv env;
    env.station("F5XYZ");
    Main main(env.ctx);
    main.demarrer();
    auto* autoA = enfant<QAction>(&main, "Mnu_Date_Auto");
    auto* man = enfant<QAction>(&main, "Mnu_Date_Man");
    man->trigger();
    EXPECT_FALSE(autoA->isChecked());
    EXPECT_TRUE(man->isChecked());
    EXPECT_EQ(lire(env, "Setup F5XYZ", "Date Auto"), "Non");
    enfant<QLineEdit>(&main, "Date_A")->setText("14/05/15");
    man->trigger();  // choosing it again keeps the mark
    EXPECT_TRUE(man->isChecked());
    EXPECT_EQ(enfant<QLineEdit>(&main, "Date_A")->text(), "14/05/15");
    autoA->trigger();
    EXPECT_TRUE(autoA->isChecked());
    EXPECT_FALSE(man->isChecked());
    EXPECT_EQ(lire(env, "Setup F5XYZ", "Date Auto"), "Oui");
    EXPECT_TRUE(enfant<QLineEdit>(&main, "Date_A")->text().isEmpty());

    // A later run restores the manual mode.
    man->trigger();
    Main again(env.ctx);
    again.demarrer();
    EXPECT_TRUE(enfant<QAction>(&again, "Mnu_Date_Man")->isChecked());
    EXPECT_FALSE(enfant<QAction>(&again, "Mnu_Date_Auto")->isChecked());
}

TEST(Menus, AboutAndHistoryTexts) {
    TestEnv env;
    env.station("F5XYZ");
    Main main(env.ctx);
    main.demarrer();
    enfant<QAction>(&main, "Mnu_Apropos")->trigger();
    enfant<QAction>(&main, "Mnu_Historique")->trigger();
    ASSERT_EQ(env.dialogs.notices.size(), 2);
    EXPECT_TRUE(env.dialogs.notices[0].startsWith("Vitralog  Révision  1.0.3\r\n\r\n"));
    EXPECT_TRUE(env.dialogs.notices[0].contains("CC BY 4.0"));  // the map's licence is credited
    EXPECT_EQ(env.dialogs.notices[1],
              "V1.0.0   le 08/01/2015 creation\r\n"
              "V1.0.1  le 28/01/2015 Ajout mise à jour liste DCF\r\n"
              "V1.0.2  le 13/08/2015 Ajout DBF à DCF\r\n"
              "V1.0.3  le 11/12/2021 Nouveau Cluster\r\n");
}

TEST(Fenetre, CaptionsMenusAndDesignState) {
    TestEnv env;
    Main main(env.ctx);  // before start-up: the design-time state
    for (const char* n : {"Bande_A", "Ind_A", "Liste_DCF", "Efface_A", "Ajout_QSO", "Rechercher"})
        EXPECT_TRUE(enfant<QWidget>(&main, n)->isEnabled()) << n;
    for (const char* n : {"Prenom_A", "Ref_A", "Dpt_A", "Date_A", "Heure_A", "Mode_A", "RST_A",
                          "RSTE_A", "Rem_A", "QSL_A", "Valide_A", "Annule_Saisie"})
        EXPECT_FALSE(enfant<QWidget>(&main, n)->isEnabled()) << n;
    EXPECT_EQ(enfant<QMenu>(&main, "Mnu_Carte")->title(), "Carte ");
    EXPECT_EQ(enfant<QAction>(&main, "Mnu_L_Contacte")->text(), "des Cathédrales et Basiliques contactées");
    EXPECT_EQ(enfant<QAction>(&main, "Mnu_Maj_DCF")->text(), "Mise à jour de la liste DCF");
    EXPECT_FALSE(enfant<QLabel>(&main, "Picture1")->pixmap().isNull());
    EXPECT_TRUE(enfant<QListView>(&main, "Liste_DCF")->font().fixedPitch() ||
                QFontInfo(enfant<QListView>(&main, "Liste_DCF")->font()).fixedPitch());
}

TEST(Fenetre, HeaderTitlesStandOverTheirListColumns) {
    TestEnv env;
    Main main(env.ctx);
    TestEnv env2;
    env2.station("F5XYZ", {ligne("F6AAA", "75", "JEAN", "DCF-001", "01/02/15", "10:00")});
    Main m(env2.ctx);
    m.demarrer();
    auto* liste = enfant<QListView>(&m, "Liste_DCF");
    auto* entete = enfant<EnteteListe>(&m, "Label_Liste_DCF");
    EXPECT_EQ(entete->text(), LigneQso::Entete);
    // Where the list draws a given column of its first line, in the header's coordinates.
    const qreal cw = QFontMetricsF(liste->font()).horizontalAdvance(QLatin1Char('0'));
    const QRect r = liste->visualRect(liste->model()->index(0, 0));
    const int x0 = liste->viewport()->mapTo(&m, r.topLeft()).x() - entete->mapTo(&m, QPoint(0, 0)).x();
    const QList<EnteteListe::Titre> ts = entete->titres();
    ASSERT_EQ(ts.size(), 13);
    for (const EnteteListe::Titre& t : ts)
        EXPECT_NEAR(t.x, x0 + t.colonne * cw, cw) << t.titre.toStdString();
    EXPECT_EQ(ts[1].titre, "Indicatif");
    EXPECT_EQ(ts[1].colonne, 8);
}

TEST(Fenetre, ClosingTheMainWindowClosesEveryOtherWindow) {
    TestEnv env;
    env.station("F5XYZ");
    Main main(env.ctx);
    main.demarrer();
    main.Mnu_New_Indicatif_Click();
    QPointer<Station> s = fenetreStation();
    ASSERT_FALSE(s.isNull());
    main.close();
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(s.isNull());  // closed and discarded with the main window
}
