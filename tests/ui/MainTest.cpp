#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
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
            ASSERT_NE(s, nullptr);
            EXPECT_TRUE(s->isModal());
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
    EXPECT_EQ(env.readFile("F5XYZ_P_DCF.log"), QByteArray());
    EXPECT_TRUE(QFile::exists(env.ctx.logPath()));
    EXPECT_EQ(main->windowTitle(), "Vitralog   Diplome des Cathédrales de France Revision  1.0.3");
    const QStringList stockes[] = {{"Setup ", "Indicatif Station", "F5XYZ_P"},
                                   {"Setup ", "Chemin Repertoire", env.dir.path()},
                                   {"Setup F5XYZ_P", "bande Utilisee", "0"},
                                   {"Setup F5XYZ_P", "Revision", " 1.0.3"}};
    for (const QStringList& s : stockes) EXPECT_EQ(reglage(s[0], s[1]), s[2]) << s[1].toStdString();
}

TEST_F(Demarrage, FirstRunWithoutAStationEveryKeyPointsToTheStationMenu) {
    premierDemarrage([](Station* s) { s->close(); });
    messages();
    EXPECT_EQ(env.ctx.station, "FXXXX");
    EXPECT_FALSE(QFile::exists(env.dir.filePath("FXXXX_DCF.log")));
    QTest::keyClicks(focus(), "f5");
    EXPECT_EQ(c("Ind_A")->text(), "f5");
    ASSERT_EQ(env.dialogs.notices.size(), 2);
    EXPECT_EQ(env.dialogs.notices[0],
              "\r\n         Premiere installation, vous devez entrer votre Indicatif\r\n\r\n"
              "Pour cela dans la barre des menus allez dans Station puis Nouvel Indicatif.");
    QTest::keyClick(focus(), Qt::Key_Return);
    EXPECT_FALSE(c("Prenom_A")->isEnabled());
}

TEST_F(Demarrage, StationWindowRefusalsChangeNothing) {
    ouvrir();
    struct Cas {
        QString texte, message;
    } cas[] = {
        {"", "Vous devez entrer un indicatif"},
        {"F5XYZABCDEFGH", "12 caracteres maximum pour l'indicatif"},
        {"F5XYZ-P", "L'indicatif ne doit comporter que des lettres des chiffres ou le signe '_' "},
        {"F4ABC", "Impossible de créer le fichier "},  // nowhere to write, below
    };
    env.ctx.dataDir = env.dir.filePath("absent/sous-dossier");
    Station s(env.ctx);
    for (const Cas& k : cas) {
        s.New_Indicatif->setText(k.texte);
        s.Validation->click();
        const QStringList m = messages();
        ASSERT_EQ(m.size(), 1) << k.texte.toStdString();
        EXPECT_TRUE(m[0].startsWith(k.message)) << m[0].toStdString();
    }
    EXPECT_EQ(env.ctx.station, "F5XYZ");
    EXPECT_EQ(reglage("Setup ", "Indicatif Station"), "F5XYZ");
    EXPECT_EQ(reglage("Setup F4ABC", "bande Utilisee"), "<absent>");
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
    EXPECT_TRUE(c("Ind_A")->text().isEmpty());
    EXPECT_EQ(focus(), c("Ind_A"));
    EXPECT_EQ(c<QComboBox>("Bande_A")->currentText(), "14 Mhz");
    EXPECT_EQ(c("RST_A")->text(), "599");
    EXPECT_TRUE(c<QAction>("Mnu_Date_Man")->isChecked());
    EXPECT_FALSE(c<QAction>("Mnu_Date_Auto")->isChecked());

    main->Mnu_New_Indicatif->trigger();
    Station* s = fenetreStation();
    ASSERT_NE(s, nullptr);
    EXPECT_FALSE(s->isModal());
    s->New_Indicatif->setText("F4ABC");
    s->Validation->click();
    QApplication::processEvents();
    EXPECT_EQ(env.readFile("F4ABC_DCF.log"), avant);
    EXPECT_EQ(main->modele->rowCount(), 1);
    EXPECT_EQ(c<QComboBox>("Mode_A")->currentText(), "FM");
    EXPECT_EQ(fenetreStation(), nullptr);

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
    EXPECT_TRUE(main->Timer1->isActive());
    EXPECT_EQ(main->Timer1->interval(), 1000);
    for (const auto& [texte, attendu] : {std::pair{c<QMenu>("Mnu_Carte")->title(), "Carte "},
                                         {c<QAction>("Mnu_L_Contacte")->text(), "des Cathédrales et Basiliques contactées"},
                                         {c<QAction>("Mnu_Maj_DCF")->text(), "Mise à jour de la liste DCF"}})
        EXPECT_EQ(QString(texte).remove('&'), attendu);  // without the keyboard's mnemonics
    c<QAction>("Mnu_Apropos")->trigger();
    const QString apropos = messages().value(0);
    EXPECT_TRUE(apropos.startsWith("Vitralog  Révision  1.0.3\r\n\r\n"));
    EXPECT_TRUE(apropos.contains("CC BY 4.0"));  // the map's licence is credited

    // Each title stands where the list draws its column.
    QListView* liste = main->Liste_DCF;
    EnteteListe* entete = main->Label_Liste_DCF;
    EXPECT_EQ(entete->text(), LigneQso::Entete);
    const qreal car = QFontMetricsF(liste->font()).horizontalAdvance(QLatin1Char('0'));
    const QPoint debut = liste->visualRect(main->modele->index(0)).topLeft();
    const int x0 = liste->viewport()->mapTo(main.get(), debut).x() - entete->mapTo(main.get(), QPoint()).x();
    const QList<EnteteListe::Titre> ts = entete->titres();
    ASSERT_EQ(ts.size(), 13);
    for (const EnteteListe::Titre& t : ts) EXPECT_NEAR(t.x, x0 + t.colonne * car, car) << t.titre.toStdString();
    EXPECT_EQ(ts[1].titre, "Indicatif");
    EXPECT_EQ(ts[1].colonne, 8);
}
