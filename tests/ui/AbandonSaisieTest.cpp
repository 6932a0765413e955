#include <QAction>
#include <QGroupBox>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "core/Reglages.h"
#include "support/FenetreTest.h"
#include "ui/FenetreRecherche.h"
#include "ui/SpotsDCF.h"

namespace {

const QString A = ligne("F6AAA", "75", "JEAN", "DCF-002", "01/01/15", "10:00");
const QString B = ligne("F6BBB", "13", "", "DCF-003", "03/01/15", "10:00");

class AbandonSaisie : public FenetreTest {
protected:
    void SetUp() override {
        // A node nobody answers: the spots window opens without asking for one.
        env.settings->write(Reglages::App, Reglages::Global, Reglages::NoeudCluster, "127.0.0.1:1");
        ouvrir({A, B});
        main->move(0, 0);  // clicks land where the screen is
    }
    // "F5ABC", a first name and half a reference typed, as the operator leaves them.
    void commencer() {
        c<QPushButton>("boutonEffacer")->click();
        taper("f5abc");
        taper("paul");
        QTest::keyClicks(focus(), "dcf-0");
        env.dialogs.questions.clear();
        env.dialogs.defauts.clear();
    }
    QString formulaire() {
        return c("champIndicatif")->text() + "|" + c("champPrenom")->text() + "|" + c("champReference")->text();
    }
    void cliquerLigne(int row) {
        QListView* l = c<QListView>("listeQso");
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualRect(l->model()->index(row, 0)).center());
    }
};

}  // namespace

// A click on a line, Tab into the list, a spot and a search result, each
// answered Non then Oui: Non keeps the three texts and the control the
// operator was in; Oui shows what was picked, the main window in front.
TEST_F(AbandonSaisie, EachRoadAsksBeforeReplacingATypedEntry) {
    const struct {
        const char* route;
        std::function<void()> prendre;
        QString apresOui;
    } routes[] = {
        {"clic", [&] { cliquerLigne(0); }, "F6AAA|JEAN|DCF-002"},
        {"tab",
         [&] {
             c<QPushButton>("boutonInserer")->setFocus();  // Tab from the last button before the list
             QTest::keyClick(focus(), Qt::Key_Tab);
         },
         "F6AAA|JEAN|DCF-002"},  // the list's current line, the one clicked above
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
            commencer();
            if (QString(r.route) == "tab") c<QPushButton>("boutonInserer")->setFocus();
            QWidget* avant = main->focusWidget();
            env.dialogs.answers = {oui};
            r.prendre();
            EXPECT_EQ(env.dialogs.questions, QStringList{"Abandonner la saisie en cours ?"});
            EXPECT_EQ(env.dialogs.defauts, QList<Dialogs::Defaut>{Dialogs::Defaut::Non});
            EXPECT_EQ(formulaire(), oui ? r.apresOui : "F5ABC|PAUL|DCF-0");
            if (oui)
                EXPECT_TRUE(QTest::qWaitForWindowActive(main.get()));
            else
                EXPECT_EQ(main->focusWidget(), avant);
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w != main.get()) w->close();
        }
    }
    // Nothing typed: a click shows its line without a word.
    c<QPushButton>("boutonEffacer")->click();
    env.dialogs.questions.clear();
    cliquerLigne(0);
    EXPECT_EQ(env.dialogs.questions.join("|") + formulaire(), "F6AAA|JEAN|DCF-002");
}

// The spots window opens beside the main window, or under its form.
TEST_F(AbandonSaisie, SpotsOpenClearOfTheForm) {
    c<QAction>("actionSpots")->trigger();
    SpotsDCF* s = Windows::ouverte<SpotsDCF>();
    ASSERT_TRUE(s);
    QWidget* cadre = c<QGroupBox>("cadreSaisie");
    const QRect formulaire(cadre->mapToGlobal(QPoint()), cadre->size());
    const QRect spots = s->frameGeometry();
    EXPECT_TRUE(spots.left() > main->frameGeometry().right() || spots.top() > formulaire.bottom())
        << spots.left() << "," << spots.top();
    EXPECT_TRUE(s->screen()->availableGeometry().contains(spots));
}

// Enter on the delete question presses Non: the log stays byte for byte.
TEST_F(AbandonSaisie, EnterOnTheDeleteQuestionKeepsTheLog) {
    QtDialogs vrais;
    env.ctx.dialogs = &vrais;
    const QByteArray avant = env.readFile("F5XYZ_DCF.log");
    main->selectionnerQso(0);
    QString question;
    QTimer guetteur;
    QObject::connect(&guetteur, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isActiveWindow()) return;  // keys reach the active window only
        question = box->text();
        QTest::keyClick(box, Qt::Key_Return);
    });
    guetteur.start(20);
    c<QPushButton>("boutonSupprimer")->click();
    env.ctx.dialogs = &env.dialogs;
    EXPECT_EQ(question, "Voulez vous Supprimer ce QSO ?");
    EXPECT_EQ(env.readFile("F5XYZ_DCF.log"), avant);
}
