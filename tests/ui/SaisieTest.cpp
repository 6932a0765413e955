#include <QScreen>

#include "core/journal/Carnet.h"
#include "support/FenetreTest.h"
#include "ui/FenetreRecherche.h"
#include "ui/Saisie.h"
#include "ui/SpotsDCF.h"

namespace {

const QString A = ligne("F6AAA", "75", "JEAN", "DCF-002", "01/01/15", "10:00");
const QString B = ligne("F6BBB", "13", "", "DCF-003", "03/01/15", "10:00");

// A station with one QSO on 14 Mhz, a reference list and a first-name memory.
class SaisieQso : public FenetreTest {
protected:
    void SetUp() override {
        env.station("F5XYZ", {ligne("F6AAA", "75", "", "DCF-012", "14/05/15", "10:00", "SSB", "14 Mhz")});
        env.writeFile("Liste_DCF.csv", "Rev 003 du 10/09/15;;;;\r\nDCF-001;Bourges;18;Saint-Etienne;\r\n");
        env.writeFile("Liste_Prenom.txt", "F6ABC        13 JEAN\r\n");
        env.settings->write(Reglages::App, "Setup F5XYZ", Reglages::Bande, "4");
        env.clock.utc = QDateTime(QDate(2026, 12, 6), QTime(10, 32, 17), Qt::UTC);
        ouvrir();
    }
};

// A station with two QSOs and no reference list.
class Formulaire : public FenetreTest {
protected:
    void SetUp() override {
        // A node nobody answers: the spots window opens without asking for one.
        env.settings->write(Reglages::App, Reglages::Global, Reglages::NoeudCluster, "127.0.0.1:1");
        ouvrir({A, B});
        main->move(0, 0);  // clicks land where the screen is
    }
    QString formulaire() {
        return c("champIndicatif")->text() + "|" + c("champPrenom")->text() + "|" + c("champReference")->text();
    }
    QString modeAff() { return c<QLabel>("etiquetteEtat")->text(); }
    // Where each control of the entry frame stands.
    QList<QRect> grille() {
        QApplication::processEvents();  // the layout follows a change of text when it is asked to
        QList<QRect> g;
        for (const QWidget* w : c<QGroupBox>("cadreSaisie")->findChildren<QWidget*>()) g << w->geometry();
        return g;
    }
};

void espace() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space); }

}  // namespace

TEST_F(SaisieQso, OneQsoTypedFieldByFieldEndsAsTheBytesOfTheLog) {
    const QByteArray avant = env.readFile("F5XYZ_DCF.log");
    QStringList suivis;  // the focus after each Enter
    auto suivre = [&](const QString& t = {}) {
        taper(t);
        suivis << focus()->objectName();
    };
    for (const char* t : {"f6abc", "", "dcf-001", ""}) suivre(t);  // automatic date: the clock fills date and time
    QTest::keyClick(focus(), Qt::Key_A, Qt::ControlModifier);
    for (const char* t : {"cw", "", "", ""}) suivre(t);
    espace();
    suivre();
    EXPECT_EQ(suivis, QStringList({"champPrenom", "champReference", "champDepartement", "choixMode", "champRstRecu",
                                   "champRstEnvoye", "champNom", "caseQsl", "boutonValider"}));
    EXPECT_EQ(env.ctx.readStation(Reglages::Mode, ""), "1");
    QTest::keyClick(focus(), Qt::Key_Enter, Qt::KeypadModifier);  // the keypad's Enter on the button

    EXPECT_EQ(messages() + env.dialogs.questions, QStringList{"Voulez vous enregistrer ces données ?"});  // no notice
    // The first name remembered, the name and département from the list, the clock's
    // date and time, the mode's reports.
    EXPECT_EQ(env.readFile("F5XYZ_DCF.log"),
              avant +
                  "F6ABC        18 JEAN            DCF-001 06/12/26 10:32 CW  14 Mhz  599 599 "
                  "C. SAINT-ETIENNE \xC0 BOURGES     *\r\n");
    EXPECT_EQ(env.readFile("Liste_Prenom.txt"), QByteArray("F6ABC        18 JEAN\r\n"));
    // Listed and selected; the form is ready for the next QSO.
    ASSERT_EQ(lignesListe(), 2);
    EXPECT_EQ(main->saisie().ligneSelectionnee(), ligneListe(1));
    EXPECT_TRUE(c("champIndicatif")->text().isEmpty() && c("champDate")->text().isEmpty());
    EXPECT_EQ(focus(), c("champIndicatif"));
}

// A refusal keeps the text and the focus (the rules proven with the entry's
// checks); a reference already worked abandons the QSO; a manual date stays.
TEST_F(SaisieQso, RefusalsKeepTheTextAndTheFocusAndAManualDateStays) {
    for (const char* t : {"f6abc", "", "dcf-012"}) taper(t);
    EXPECT_EQ(messages(), QStringList{"DCF-012 Cathédrale déja contacté le 14/05/15 sur 14 Mhz"});
    EXPECT_TRUE(c("champIndicatif")->text().isEmpty());  // the form made new, the focus back in the callsign

    c<QAction>("actionDateManuelle")->trigger();
    EXPECT_FALSE(c<QAction>("actionDateAutomatique")->isChecked());
    EXPECT_EQ(env.ctx.readStation(Reglages::DateAuto, ""), "Non");
    for (const char* t : {"f6new", "", "dcf-001", "", "31/02/15"}) taper(t);
    EXPECT_EQ(messages() << c("champDate")->text(),
              QStringList({"Le format de la date doit etre JJ/MM/AA", "31/02/15"}));
    EXPECT_EQ(focus(), c("champDate"));  // a refusal keeps the text and the focus
    c("champDate")->clear();
    for (const char* t : {"29/02/16", "23:59", "", "", "", "", ""}) taper(t);
    espace();
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_TRUE(log().last().startsWith("F6NEW        18                 DCF-001 29/02/16 23:59 SSB"));
    EXPECT_EQ(c("champDate")->text(), "29/02/16");
}

TEST_F(Formulaire, EditAndInsertFromTheList) {
    const QList<QRect> grilleSaisie = grille();
    cliquer(c<QListView>("listeQso"), 1, true);  // nothing typed: the line shows without a word
    EXPECT_EQ(env.dialogs.questions.join("|") + modeAff(), "Modification QSO");
    EXPECT_EQ(grille(), grilleSaisie);  // a change of state moves no control
    c("champHeure")->setText("11:45");
    c<QPushButton>("boutonValider")->click();
    EXPECT_EQ(log(), QStringList({A, QString(B).replace(49, 5, "11:45")}));
    EXPECT_EQ(modeAff(), "Saisie QSO");

    // Inserted by its date, even with the automatic date.
    c<QPushButton>("boutonInserer")->click();
    EXPECT_EQ(modeAff(), "Insertion QSO");
    EXPECT_EQ(grille(), grilleSaisie);
    for (const char* t : {"f6ddd", "", "dcf-009", "31", "02/01/15", "09:00", "", "", "", "", ""}) taper(t);
    espace();
    ASSERT_EQ(log().size(), 3);
    EXPECT_TRUE(log()[1].startsWith("F6DDD        31                 DCF-009 02/01/15 09:00"));
}

TEST_F(Formulaire, AFailedWriteKeepsTheLogAndTheForm) {
    const QByteArray octets = env.readFile("F5XYZ_DCF.log");
    for (const char* t : {"f6abc", "", "dcf-001", "18", "", "", "", "", ""}) taper(t);
    QFile::setPermissions(env.ctx.logPath(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    messages();
    espace();
    EXPECT_EQ(messages(), QStringList{Carnet::messageEcriture(env.ctx.logPath(), true)});
    EXPECT_EQ(env.readFile("F5XYZ_DCF.log"), octets);
    EXPECT_EQ(c("champIndicatif")->text() + c("champReference")->text(), "F6ABCDCF-001");
    EXPECT_FALSE(QFile::exists(env.ctx.path("Liste_Prenom.txt")));  // nothing saved, nothing remembered
}

// A click on a line, Tab into the list, a spot and a search result, each
// answered Non then Oui: Non keeps the three texts and the control the
// operator was in; Oui shows what was picked, the main window in front.
TEST_F(Formulaire, EachRoadAsksBeforeReplacingATypedEntry) {
    const struct {
        const char* route;
        std::function<void()> prendre;
        QString apresOui;
    } routes[] = {
        {"clic", [&] { cliquer(c<QListView>("listeQso"), 0); }, "F6AAA|JEAN|DCF-002"},
        {"tab", [&] { QTest::keyClick(focus(), Qt::Key_Tab); },  // from the last button before the list
         "F6AAA|JEAN|DCF-002"},                                  // the list's current line, the one clicked above
        {"spot",
         [&] {
             c<QAction>("actionSpots")->trigger();
             emit Windows::ouverte<SpotsDCF>()->spotChoisi("7.0 Mhz", "F6ZZZ", "DCF-018");
         },
         "F6ZZZ||"},
        {"recherche",
         [&] {
             c<QPushButton>("boutonRechercher")->click();
             emit Windows::ouverte<FenetreRecherche>()->qsoChoisi(1);
         },
         "F6BBB||DCF-003"},
    };
    for (const auto& r : routes) {
        SCOPED_TRACE(r.route);
        for (bool oui : {false, true}) {
            // "F5ABC", a first name and half a reference typed, as the operator leaves them.
            c<QPushButton>("boutonEffacer")->click();
            for (const char* t : {"f5abc", "paul"}) taper(t);
            QTest::keyClicks(focus(), "dcf-0");
            env.dialogs.questions.clear();
            env.dialogs.defauts.clear();
            if (QString(r.route) == "tab") c<QPushButton>("boutonInserer")->setFocus();
            QWidget* avant = main->focusWidget();
            env.dialogs.answers = {oui};
            r.prendre();
            EXPECT_EQ(env.dialogs.questions, QStringList{"Abandonner la saisie en cours ?"});
            EXPECT_EQ(env.dialogs.defauts, QList<Dialogs::Defaut>{Dialogs::Defaut::Non});
            EXPECT_EQ(formulaire(), oui ? r.apresOui : "F5ABC|PAUL|DCF-0");
            EXPECT_TRUE(oui ? QTest::qWaitForWindowActive(main.get()) : main->focusWidget() == avant);
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w != main.get()) w->close();
        }
    }
    // The spots window opens beside the main window, or under its form.
    c<QAction>("actionSpots")->trigger();
    SpotsDCF* s = Windows::ouverte<SpotsDCF>();
    ASSERT_TRUE(s);
    QWidget* cadre = c<QGroupBox>("cadreSaisie");
    const QRect spots = s->frameGeometry();
    EXPECT_TRUE(spots.left() > main->frameGeometry().right() ||
                spots.top() > cadre->mapToGlobal(cadre->rect().bottomLeft()).y())
        << spots.left() << "," << spots.top();
    EXPECT_TRUE(s->screen()->availableGeometry().contains(spots));
}

// Enter on the delete question presses Non: the log stays byte for byte.
TEST_F(Formulaire, EnterOnTheDeleteQuestionKeepsTheLog) {
    QtDialogs vrais;
    env.ctx.dialogs = &vrais;
    const QByteArray avant = env.readFile("F5XYZ_DCF.log");
    main->selectionnerQso(0);
    QString question;
    Guetteur<QMessageBox> guetteur([&](QMessageBox* box) {
        question = box->text();
        QTest::keyClick(box, Qt::Key_Return);
    });
    c<QPushButton>("boutonSupprimer")->click();
    env.ctx.dialogs = &env.dialogs;
    EXPECT_EQ(question, "Voulez vous Supprimer ce QSO ?");
    EXPECT_EQ(env.readFile("F5XYZ_DCF.log"), avant);
}
