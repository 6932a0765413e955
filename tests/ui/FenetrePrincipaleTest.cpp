#include <QAccessible>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTextBlock>

#include "support/FenetreTest.h"
#include "ui/DialogueStation.h"
#include "ui/FenetreRecherche.h"
#include "ui/Guide.h"
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
using Clavier = FenetreTest;

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
    main->rafraichirHorloge();
    EXPECT_EQ(c<QLabel>("etiquetteHeureUtc")->text(), "23:59 Utc");
    c<QAction>("actionAPropos")->trigger();
    const QString apropos = messages().value(0);
    EXPECT_TRUE(apropos.startsWith("Vitralog  Révision  1.0.3\r\n\r\n") &&
                apropos.contains("CC BY 4.0"));  // the map's licence credited

    // Each title stands where the list draws its column.
    verifierEntete(c<EnteteListe>("enteteListe"), c<QListView>("listeQso"));

    c<QAction>("actionStation")->trigger();
    QPointer<DialogueStation> s = Windows::ouverte<DialogueStation>();
    ASSERT_TRUE(s && !s->isModal());
    // A station with nowhere to write is refused and changes nothing.
    const QString dossier = std::exchange(env.ctx.dataDir, env.dir.filePath("absent/sous-dossier"));
    dans(s, "champIndicatif")->setText("F4NEW");
    dans<QPushButton>(s, "boutonValider")->click();
    const QStringList m = messages();
    EXPECT_TRUE(m.size() == 1 && m[0].startsWith("Impossible de créer le fichier ")) << m.join('|').toStdString();
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
// lines, the form keeps its height, the last QSO stays in sight.
TEST_F(Demarrage, TheWindowFitsALaptopScreenTheListGivingWay) {
    ouvrir(QStringList(60, ligne("F6AAA", "75", "JEAN", "DCF-001", "01/02/15", "10:00")));
    const QSize minimale = main->minimumSizeHint();
    EXPECT_TRUE(minimale.width() <= 1366 && minimale.height() <= 600) << minimale.width() << "x" << minimale.height();
    main->resize(main->width(), 900);
    QApplication::processEvents();
    QWidget* formulaire = c<QGroupBox>("cadreSaisie");
    QListView* liste = c<QListView>("listeQso");
    const int hauteurFormulaire = formulaire->height(), hauteurListe = liste->height();
    main->resize(main->width(), 600);
    QApplication::processEvents();
    EXPECT_EQ(QList<int>({main->height(), formulaire->height()}), QList<int>({600, hauteurFormulaire}));
    EXPECT_LT(liste->height(), hauteurListe);
    QApplication::processEvents();
    EXPECT_TRUE(liste->viewport()->rect().contains(liste->visualRect(liste->currentIndex())));
}

// Without the list, one message for the whole session; a double-click below the lines asks for one.
TEST_F(Clavier, ListMissingIsToldOnceAndDoubleClickBelowTheLinesAsksForALine) {
    ouvrir();
    for (int i = 0; i < 2; ++i) {
        c("champIndicatif")->setFocus();
        for (const char* t : {"f6abc", "", "dcf-001"}) taper(t);
        EXPECT_EQ(focus(), c("champDepartement"));
        c<QPushButton>("boutonEffacer")->click();
    }
    QTest::mouseDClick(c<QListView>("listeQso")->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(
        messages(),
        QStringList(
            {"La liste des Cathédrales est absente : utilisez Mise à jour de la liste DCF ou Importer une liste DCF",
             "Cliquez sur une ligne pour l'editer"}));
}

TEST_F(Clavier, MnemonicsAreUniqueShortcutsOpenAndEscapeCloses) {
    ouvrir();
    // Alt+letter of the menu bar and the buttons: one owner per letter.
    QStringList captions;
    for (QAction* a : main->menuBar()->actions()) captions << a->text();
    for (QPushButton* b : main->findChildren<QPushButton*>()) captions << b->text();
    QSet<QChar> lettres;
    for (const QString& t : captions) {
        const auto m = QRegularExpression("&(.)").match(t);
        EXPECT_TRUE(m.hasMatch() && !lettres.contains(m.captured(1).at(0).toLower())) << t.toStdString();
        lettres.insert(m.captured(1).at(0).toLower());
    }
    EXPECT_EQ(
        c<QAction>("actionQuitter")->shortcut().toString() + " " + c<QAction>("actionGuide")->shortcut().toString(),
        "Ctrl+Q F1");
    QTest::keyClick(main.get(), Qt::Key_F, Qt::ControlModifier);
    QPointer<FenetreRecherche> r = Windows::ouverte<FenetreRecherche>();
    ASSERT_TRUE(r && QTest::qWaitForWindowActive(r));
    QTest::keyClick(r, Qt::Key_Escape);
    EXPECT_TRUE(!r || !r->isVisible());
    c<QAction>("actionGuide")->trigger();  // the guide of the source tree
    Guide* g = Windows::ouverte<Guide>();
    ASSERT_NE(g, nullptr);
    EXPECT_GE(g->width(), 500);  // not a text browser's 256-pixel hint (the screen here is 800 wide)
    // Every link of the contents leads to a heading.
    QStringList liens, ancres;
    for (QTextBlock b = g->document()->begin(); b.isValid(); b = b.next())
        for (auto f = b.begin(); !f.atEnd(); ++f) {
            const QTextCharFormat cf = f.fragment().charFormat();
            if (cf.anchorHref().startsWith('#')) liens << cf.anchorHref().mid(1);
            ancres << cf.anchorNames();
        }
    EXPECT_GE(liens.size(), 20);
    for (const QString& l : liens) EXPECT_TRUE(ancres.contains(l)) << l.toStdString();
}

TEST_F(Clavier, FieldsAreNamedByTheirLabelsAndTabbedInEntryOrder) {
    ouvrir();
    EXPECT_EQ(QAccessible::queryAccessibleInterface(c<QWidget>("champPrenom"))->text(QAccessible::Name),
              "Prénom (optionnel)");
    // The chain Tab follows from the band: a combo box's own line edit is no stop.
    QStringList ordre;
    QWidget *bande = c<QWidget>("choixBande"), *arret = bande;
    for (QWidget* w = bande->nextInFocusChain(); w != bande && ordre.size() < 12; w = w->nextInFocusChain())
        if ((w->focusPolicy() & Qt::TabFocus) && !arret->isAncestorOf(w)) ordre << (arret = w)->objectName();
    EXPECT_EQ(ordre, QStringList({"champIndicatif", "champPrenom", "champReference", "champDepartement", "champDate",
                                  "champHeure", "choixMode", "champRstRecu", "champRstEnvoye", "champNom", "caseQsl",
                                  "boutonValider"}));
    // A callsign read back from the settings passes the rule of a typed one.
    env.settings->write(Reglages::App, Reglages::Global, Reglages::Indicatif, "../../../tmp/x/PWN");
    EXPECT_EQ(FenetrePrincipale(env.ctx).stationEnregistree(), Reglages::StationDefaut);
}
