#include <QAction>
#include <QComboBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

#include "core/Reglages.h"
#include "core/journal/LigneQso.h"
#include "support/FenetreTest.h"
#include "ui/Station.h"
#include "ui/widgets/EnteteListe.h"

namespace {

Station* fenetreStation() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* s = qobject_cast<Station*>(w); s && s->isVisible()) return s;
    return nullptr;
}

class Demarrage : public FenetreTest {
protected:
    QString reglage(const QString& section, const QString& key) {
        return env.settings->read(Keys::App, section, key, "<absent>");
    }
    // Starts with no station; the station window is handed to `choix` once shown.
    void premierDemarrage(std::function<void(Station*)> choix) {
        main = std::make_unique<Main>(env.ctx);
        QTimer::singleShot(0, [&] {
            Station* s = fenetreStation();
            ASSERT_TRUE(s && s->isModal());
            ASSERT_TRUE(QTest::qWaitForWindowActive(s));
            choix(s);
        });
        main->demarrer();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    }
};

}  // namespace

TEST_F(Demarrage, FirstRunTheStationIsTypedWithTheKeyboardAndGetsAnEmptyLog) {
    premierDemarrage([](Station* s) {
        taper("f5xyz/p");  // Enter only moves to the button
        EXPECT_EQ(s->New_Indicatif->text(), "F5XYZ_P");
        EXPECT_EQ(focus(), s->Validation);
        QTest::keyClick(s->Validation, Qt::Key_Return);
    });
    EXPECT_EQ(messages(), QStringList{"\r\nPremiere installation, vous devez entrer votre Indicatif\r\n\r\n"});
    EXPECT_EQ(main->I_Station->text(), "F5XYZ/P");
    EXPECT_TRUE(QFile::exists(env.ctx.logPath()) && env.readFile("F5XYZ_P_DCF.log").isEmpty());
    EXPECT_EQ(main->windowTitle(), "Vitralog   Diplome des Cathédrales de France Revision  1.0.3");
    EXPECT_EQ(QStringList({reglage("Setup ", "Indicatif Station"), reglage("Setup ", "Chemin Repertoire"),
                           reglage("Setup F5XYZ_P", "bande Utilisee"), reglage("Setup F5XYZ_P", "Revision")}),
              QStringList({"F5XYZ_P", env.dir.path(), "0", " 1.0.3"}));
}

TEST_F(Demarrage, FirstRunWithoutAStationEveryKeyPointsToTheStationMenu) {
    premierDemarrage([](Station* s) { s->close(); });
    messages();
    EXPECT_TRUE(env.ctx.station == "FXXXX" && !QFile::exists(env.dir.filePath("FXXXX_DCF.log")));
    QTest::keyClicks(focus(), "f5");
    EXPECT_EQ(c("Ind_A")->text(), "f5");
    EXPECT_EQ(env.dialogs.notices, QStringList(2, "\r\n         Premiere installation, vous devez entrer votre Indicatif\r\n\r\n"
                                                  "Pour cela dans la barre des menus allez dans Station puis Nouvel Indicatif."));
    QTest::keyClick(focus(), Qt::Key_Return);
    EXPECT_FALSE(c("Prenom_A")->isEnabled());
}

TEST_F(Demarrage, StationWindowRefusalsChangeNothing) {
    ouvrir();
    const std::pair<QString, QString> cas[] = {
        {"", "Vous devez entrer un indicatif"},
        {"F5XYZABCDEFGH", "12 caracteres maximum pour l'indicatif"},
        {"F5XYZ-P", "L'indicatif ne doit comporter que des lettres des chiffres ou le signe '_' "},
        {"F4ABC", "Impossible de créer le fichier "},  // nowhere to write, below
    };
    env.ctx.dataDir = env.dir.filePath("absent/sous-dossier");
    Station s(env.ctx);
    for (const auto& [texte, message] : cas) {
        s.New_Indicatif->setText(texte);
        s.Validation->click();
        const QStringList m = messages();
        EXPECT_TRUE(m.size() == 1 && m[0].startsWith(message)) << m.join('|').toStdString();
    }
    EXPECT_EQ(env.ctx.station + reglage("Setup ", "Indicatif Station") + reglage("Setup F4ABC", "bande Utilisee"),
              "F5XYZF5XYZ<absent>");
}

TEST_F(Demarrage, LaterRunAndAKnownStationChosenAgainKeepTheirLogsAndChoices) {
    env.station("F4ABC", {ligne("F6AAA", "75", "JEAN", "DCF-001", "01/02/15", "10:00")});
    env.settings->write("DCF", "Setup F4ABC", "Mode Utilise", "2");
    const QByteArray avant = env.readFile("F4ABC_DCF.log");
    const QStringList lignes = {ligne("F6BBB", "13", "", "DBF-012B", "02/02/15", "11:00"),
                                ligne("F6CCC", "2a", "ANNE", "DCF-040", "03/02/15", "12:00")};
    env.station("F5XYZ", lignes);
    for (const auto& [cle, valeur] : {std::pair{"bande Utilisee", "4"}, {"Mode Utilise", "1"}, {"Date Auto", "Non"}})
        env.settings->write("DCF", "Setup F5XYZ", cle, valeur);
    ouvrir();
    EXPECT_TRUE(env.dialogs.notices.isEmpty());
    EXPECT_EQ(main->I_Station->text(), "F5XYZ");
    ASSERT_EQ(main->modele->rowCount(), 2);
    EXPECT_EQ(main->modele->affichage(1), LigneQso::affichage(lignes[1], 2));
    EXPECT_EQ(main->Liste_DCF->currentIndex().row(), 1);
    // An empty form on the stored band and mode, the manual date mode back.
    EXPECT_TRUE(c("Ind_A")->text().isEmpty() && focus() == c("Ind_A"));
    EXPECT_EQ(c<QComboBox>("Bande_A")->currentText() + " " + c("RST_A")->text(), "14 Mhz 599");
    EXPECT_TRUE(c<QAction>("Mnu_Date_Man")->isChecked() && !c<QAction>("Mnu_Date_Auto")->isChecked());

    main->Mnu_New_Indicatif->trigger();
    Station* s = fenetreStation();
    ASSERT_TRUE(s && !s->isModal());
    s->New_Indicatif->setText("F4ABC");
    s->Validation->click();
    QApplication::processEvents();
    EXPECT_EQ(env.readFile("F4ABC_DCF.log"), avant);
    EXPECT_TRUE(main->modele->rowCount() == 1 && fenetreStation() == nullptr);
    EXPECT_EQ(c<QComboBox>("Mode_A")->currentText(), "FM");

    main->Mnu_New_Indicatif->trigger();
    QPointer<Station> ouverte = fenetreStation();
    main->close();  // closes every other window
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(ouverte.isNull());
}

TEST_F(Demarrage, ClocksCaptionsAndTheHeaderOverItsColumns) {
    ouvrir({ligne("F6AAA", "75", "JEAN", "DCF-001", "01/02/15", "10:00")});
    env.clock.utc = QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59), Qt::UTC);
    env.clock.offsetSeconds = 2 * 3600;
    auto horloges = [&] {
        main->Timer1_Timer();
        return QStringList({c<QLabel>("Label33")->text(), c<QLabel>("Label37")->text(), c<QLabel>("Label34")->text()});
    };
    EXPECT_EQ(horloges(), QStringList({"31/12/26", "23:59 Utc", "01:59 Loc"}));  // the date is UTC's
    env.clock.utc = env.clock.utc.addSecs(1);
    EXPECT_EQ(horloges(), QStringList({"01/01/27", "00:00 Utc", "02:00 Loc"}));
    EXPECT_TRUE(main->Timer1->isActive() && main->Timer1->interval() == 1000);
    // Without the keyboard's mnemonics.
    EXPECT_EQ(QStringList({c<QMenu>("Mnu_Carte")->title(), c<QAction>("Mnu_L_Contacte")->text(), c<QAction>("Mnu_Maj_DCF")->text()})
                  .join('|').remove('&'), "Carte |des Cathédrales et Basiliques contactées|Mise à jour de la liste DCF");
    c<QAction>("Mnu_Apropos")->trigger();
    const QString apropos = messages().value(0);
    EXPECT_TRUE(apropos.startsWith("Vitralog  Révision  1.0.3\r\n\r\n") && apropos.contains("CC BY 4.0"));  // the map's licence credited

    // Each title stands where the list draws its column.
    QListView* liste = main->Liste_DCF;
    EnteteListe* entete = main->Label_Liste_DCF;
    const qreal car = QFontMetricsF(liste->font()).horizontalAdvance(QLatin1Char('0'));
    const QPoint debut = liste->visualRect(main->modele->index(0)).topLeft();
    const int x0 = liste->viewport()->mapTo(main.get(), debut).x() - entete->mapTo(main.get(), QPoint()).x();
    const QList<EnteteListe::Titre> ts = entete->titres();
    ASSERT_EQ(ts.size(), 13);
    for (const EnteteListe::Titre& t : ts) EXPECT_NEAR(t.x, x0 + t.colonne * car, car) << t.titre.toStdString();
    EXPECT_EQ(ts[1].titre + QString::number(ts[1].colonne), "Indicatif8");
}
