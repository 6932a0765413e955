#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

#include "core/Reglages.h"
#include "core/journal/LigneQso.h"
#include "support/FenetreTest.h"
#include "ui/DialogueStation.h"
#include "ui/widgets/EnteteListe.h"

namespace {

class Demarrage : public FenetreTest {
protected:
    QString reglage(const QString& section, const QString& key) {
        return env.settings->read(Reglages::App, section, key, "<absent>");
    }
    // Starts with no station; the station window is handed to `choix` once shown.
    void premierDemarrage(std::function<void(DialogueStation*)> choix) {
        main = std::make_unique<FenetrePrincipale>(env.ctx);
        QTimer::singleShot(0, [&] {
            auto* s = qobject_cast<DialogueStation*>(QApplication::activeModalWidget());
            ASSERT_TRUE(s && s->isModal() && QTest::qWaitForWindowActive(s));
            choix(s);
        });
        main->demarrer();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    }
};

}  // namespace

TEST_F(Demarrage, FirstRunTheStationIsTypedWithTheKeyboardAndGetsAnEmptyLog) {
    premierDemarrage([](DialogueStation* s) {
        taper("f5xyz/p");  // Enter only moves to the button
        QPushButton* valider = dans<QPushButton>(s, "boutonValider");
        EXPECT_EQ(dans(s, "champIndicatif")->text() + (focus() == valider ? " sur Valider" : ""),
                  "F5XYZ_P sur Valider");
        QTest::keyClick(valider, Qt::Key_Return);
    });
    EXPECT_EQ(messages() << c<QLabel>("etiquetteStation")->text() << main->windowTitle()
                         << (QFile::exists(env.ctx.logPath()) ? QString::number(env.readFile("F5XYZ_P_DCF.log").size())
                                                              : "absent")
                         << reglage("Setup ", "Indicatif Station") << reglage("Setup ", "Chemin Repertoire")
                         << reglage("Setup F5XYZ_P", "bande Utilisee") << reglage("Setup F5XYZ_P", "Revision"),
              QStringList({"\r\nPremiere installation, vous devez entrer votre Indicatif\r\n\r\n", "F5XYZ/P",
                           "Vitralog   Diplome des Cathédrales de France Revision  1.0.3", "0", "F5XYZ_P",
                           env.dir.path(), "0", " 1.0.3"}));
}

TEST_F(Demarrage, FirstRunWithoutAStationEveryKeyPointsToTheStationMenu) {
    premierDemarrage([](DialogueStation* s) { s->close(); });
    messages();
    EXPECT_TRUE(env.ctx.station == "FXXXX" && !QFile::exists(env.dir.filePath("FXXXX_DCF.log")));
    QTest::keyClicks(focus(), "f5");
    QTest::keyClick(focus(), Qt::Key_Return);  // two letters and Enter: three times the same word
    EXPECT_EQ(
        messages() << c("champIndicatif")->text() << QString(c("champPrenom")->isEnabled() ? "Prenom_A ouvert" : ""),
        QStringList(3,
                    "\r\n         Premiere installation, vous devez entrer votre Indicatif\r\n\r\n"
                    "Pour cela dans la barre des menus allez dans Station puis Nouvel Indicatif.")
            << "f5"
            << "");
}

TEST_F(Demarrage, LaterRunClocksHeaderRefusalsAndAKnownStationChosenAgain) {
    env.station("F4ABC", {ligne("F6AAA", "75", "JEAN", "DCF-001", "01/02/15", "10:00")});
    env.settings->write("DCF", "Setup F4ABC", "Mode Utilise", "2");
    const QByteArray avant = env.readFile("F4ABC_DCF.log");
    const QStringList lignes = {ligne("F6BBB", "13", "", "DBF-012B", "02/02/15", "11:00"),
                                ligne("F6CCC", "2a", "ANNE", "DCF-040", "03/02/15", "12:00")};
    env.station("F5XYZ", lignes);
    for (const auto& [cle, valeur] : {std::pair{"bande Utilisee", "4"}, {"Mode Utilise", "1"}, {"Date Auto", "Non"}})
        env.settings->write("DCF", "Setup F5XYZ", cle, valeur);
    ouvrir();
    // The last line chosen; an empty form on the stored band and mode, the manual date mode back.
    EXPECT_EQ(messages() << c<QLabel>("etiquetteStation")->text()
                         << ligneListe(c<QListView>("listeQso")->currentIndex().row()) << QString::number(lignesListe())
                         << c("champIndicatif")->text() + (focus() == c("champIndicatif") ? "|focus" : "")
                         << c<QComboBox>("choixBande")->currentText() + " " + c("champRstRecu")->text()
                         << QString(c<QAction>("actionDateManuelle")->isChecked() &&
                                            !c<QAction>("actionDateAutomatique")->isChecked()
                                        ? "manuelle"
                                        : "auto"),
              QStringList({"F5XYZ", LigneQso::affichage(lignes[1], 2), "2", "|focus", "14 Mhz 599", "manuelle"}));
    env.clock.utc = QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59), Qt::UTC);
    env.clock.offsetSeconds = 2 * 3600;
    for (const auto& [plus, attendu] :
         {std::pair{0, "31/12/26|23:59 Utc|01:59 Loc"}, {1, "01/01/27|00:00 Utc|02:00 Loc"}}) {  // the date is UTC's
        env.clock.utc = env.clock.utc.addSecs(plus);
        main->rafraichirHorloge();
        EXPECT_EQ(c<QLabel>("etiquetteDateUtc")->text() + "|" + c<QLabel>("etiquetteHeureUtc")->text() + "|" +
                      c<QLabel>("etiquetteHeureLocale")->text(),
                  attendu);
    }
    // Captions without the keyboard's mnemonics, then the clocks' period.
    QTimer* horloge = c<QTimer>("minuterieHorloge");
    EXPECT_EQ(QStringList({c<QMenu>("menuCarte")->title(), c<QAction>("actionContactees")->text(),
                           c<QAction>("actionMettreAJourListe")->text(),
                           QString::number(horloge->isActive() ? horloge->interval() : 0)})
                  .join('|')
                  .remove('&'),
              "Carte |des Cathédrales et Basiliques contactées|Mise à jour de la liste DCF|1000");
    c<QAction>("actionAPropos")->trigger();
    const QString apropos = messages().value(0);
    EXPECT_TRUE(apropos.startsWith("Vitralog  Révision  1.0.3\r\n\r\n") &&
                apropos.contains("CC BY 4.0"));  // the map's licence credited

    // Each title stands where the list draws its column.
    EnteteListe* entete = c<EnteteListe>("enteteListe");
    verifierEntete(entete, c<QListView>("listeQso"));
    const QList<EnteteListe::Titre> ts = entete->titres();
    ASSERT_EQ(ts.size(), 13);
    EXPECT_EQ(ts[1].titre + QString::number(ts[1].colonne), "Indicatif8");

    c<QAction>("actionStation")->trigger();
    QPointer<DialogueStation> s = Windows::ouverte<DialogueStation>();
    ASSERT_TRUE(s && !s->isModal());
    // Refusals change nothing, a station with nowhere to write included.
    const QString dossier = std::exchange(env.ctx.dataDir, env.dir.filePath("absent/sous-dossier"));
    for (const auto& [texte, message] :
         {std::pair<QString, QString>{"", "Vous devez entrer un indicatif"},
          {"F5XYZABCDEFGH", "12 caracteres maximum pour l'indicatif"},
          {"F5XYZ-P", "L'indicatif ne doit comporter que des lettres des chiffres ou le signe '_' "},
          {"F4NEW", "Impossible de créer le fichier "}}) {
        dans(s, "champIndicatif")->setText(texte);
        dans<QPushButton>(s, "boutonValider")->click();
        const QStringList m = messages();
        EXPECT_TRUE(m.size() == 1 && m[0].startsWith(message)) << m.join('|').toStdString();
    }
    EXPECT_EQ(env.ctx.station + reglage("Setup ", "Indicatif Station") + reglage("Setup F4NEW", "bande Utilisee"),
              "F5XYZF5XYZ<absent>");
    env.ctx.dataDir = dossier;
    dans(s, "champIndicatif")->setText("F4ABC");
    dans<QPushButton>(s, "boutonValider")->click();
    QApplication::processEvents();
    EXPECT_TRUE(env.readFile("F4ABC_DCF.log") == avant && lignesListe() == 1 && (!s || !s->isVisible()) &&
                c<QComboBox>("choixMode")->currentText() == "FM");

    c<QAction>("actionStation")->trigger();
    QPointer<DialogueStation> ouverte = Windows::ouverte<DialogueStation>();
    ASSERT_TRUE(ouverte);
    main->close();  // closes every other window
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(ouverte.isNull());
}

// On a 1366 × 768 screen the whole window shows: the log list gives up
// lines, the form keeps its height.
TEST_F(Demarrage, TheWindowFitsALaptopScreenTheListGivingWay) {
    ouvrir({ligne("F6AAA", "75", "JEAN", "DCF-001", "01/02/15", "10:00")});
    const QSize minimale = main->minimumSizeHint();
    EXPECT_TRUE(minimale.width() <= 1366 && minimale.height() <= 600) << minimale.width() << "x" << minimale.height();
    main->resize(main->width(), 900);
    QApplication::processEvents();
    QWidget* formulaire = c<QGroupBox>("cadreSaisie");
    const int hauteurFormulaire = formulaire->height(), hauteurListe = c<QListView>("listeQso")->height();
    main->resize(main->width(), 600);
    QApplication::processEvents();
    EXPECT_EQ(main->height(), 600);
    EXPECT_EQ(formulaire->height(), hauteurFormulaire);
    EXPECT_LT(c<QListView>("listeQso")->height(), hauteurListe);
}
