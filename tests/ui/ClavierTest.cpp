#include <QAccessible>
#include <QAction>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextBrowser>

#include "core/Reglages.h"
#include "support/FenetreTest.h"

namespace {

using Clavier = FenetreTest;

QWidget* fenetre(const char* nom) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->objectName() == QLatin1String(nom)) return w;
    return nullptr;
}

}  // namespace

// The whole QSO with Enter alone, the last Enter on the focused save button.
TEST_F(Clavier, EnterFromTheCallsignToTheSavedQso) {
    env.writeFile("Liste_DCF.csv", "Rev 003 du 10/09/15;;;;\r\nDCF-001;Bourges;18;Saint-Etienne;\r\n");
    ouvrir();
    for (const char* t : {"f6abc", "", "dcf-001"}) taper(t);
    for (int i = 0; i < 6; ++i) taper();  // Dpt, Mode, RST R, RST E, name, QSL
    ASSERT_EQ(focus(), c<QPushButton>("boutonValider"));
    QTest::keyClick(focus(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(env.dialogs.questions + QStringList(log()).replaceInStrings(QRegularExpression("^(.{15}).*"), "\\1")
                  << (focus() == c("champIndicatif") ? "champIndicatif" : "ailleurs"),
              QStringList({"Voulez vous enregistrer ces données ?", "F6ABC        18", "champIndicatif"}));
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
    // The Parts' captions, the marks aside, and the keys of the menus.
    EXPECT_EQ(QStringList({c<QPushButton>("boutonValider")->text(), c<QAction>("actionMettreAJourListe")->text(),
                           c<QAction>("actionQuitter")->shortcut().toString(),
                           c<QAction>("actionGuide")->shortcut().toString()})
                  .replaceInStrings("&", ""),
              QStringList({"Valider le QSO", "Mise à jour de la liste DCF", "Ctrl+Q", "F1"}));
    QTest::keyClick(main.get(), Qt::Key_F, Qt::ControlModifier);
    QWidget* r = fenetre("FenetreRecherche");
    ASSERT_TRUE(r && QTest::qWaitForWindowActive(r));
    QTest::keyClick(r, Qt::Key_Escape);
    EXPECT_EQ(fenetre("FenetreRecherche"), nullptr);
    c<QAction>("actionGuide")->trigger();  // the guide of the source tree
    auto* g = qobject_cast<QTextBrowser*>(fenetre("Guide"));
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
    QStringList noms;
    for (const char* objet : {"champIndicatif", "champPrenom", "champReference", "champDepartement", "champHeure",
                              "champRstEnvoye", "champNom"})
        noms << QAccessible::queryAccessibleInterface(c<QWidget>(objet))->text(QAccessible::Name);
    EXPECT_EQ(noms, QStringList({"Indicatif", "Prénom (optionnel)", "Ref Cathédrale", "Dpt", "Heure UTC", "RST E",
                                 "Nom de la Cathédrale (optionnel)"}));
    // The chain Tab follows from the band: a combo box's own line edit is no stop.
    QStringList ordre;
    QWidget *bande = c<QWidget>("choixBande"), *arret = bande;
    for (QWidget* w = bande->nextInFocusChain(); w != bande && ordre.size() < 12; w = w->nextInFocusChain())
        if ((w->focusPolicy() & Qt::TabFocus) && !arret->isAncestorOf(w)) ordre << (arret = w)->objectName();
    EXPECT_EQ(ordre, QStringList({"champIndicatif", "champPrenom", "champReference", "champDepartement", "champDate",
                                  "champHeure", "choixMode", "champRstRecu", "champRstEnvoye", "champNom", "caseQsl",
                                  "boutonValider"}));
}

// A callsign read back from the settings passes the rule of a typed one.
TEST_F(Clavier, AStoredStationThatIsNoCallsignIsNoStation) {
    env.settings->write(Reglages::App, Reglages::Global, Reglages::Indicatif, "../../../tmp/x/PWN");
    main = std::make_unique<FenetrePrincipale>(env.ctx);
    EXPECT_EQ(main->stationEnregistree(), Reglages::StationDefaut);
}
