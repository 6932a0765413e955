#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>

#include "core/Reglages.h"
#include "support/FenetreTest.h"
#include "ui/RechercheIndicatif.h"

namespace {

class Clavier : public FenetreTest {
protected:
    QWidget* fenetre(const char* nom) {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w->objectName() == QLatin1String(nom)) return w;
        return nullptr;
    }
};

}  // namespace

// The whole QSO with Enter alone, the last Enter on the focused save button.
TEST_F(Clavier, EnterFromTheCallsignToTheSavedQso) {
    env.writeFile("Liste_DCF.csv", "Rev 003 du 10/09/15;;;;\r\nDCF-001;Bourges;18;Saint-Etienne;\r\n");
    ouvrir();
    taper("f6abc");
    taper();
    taper("dcf-001");
    EXPECT_EQ(focus(), c("Dpt_A"));
    for (int i = 0; i < 6; ++i) taper();  // Dpt, Mode, RST R, RST E, name, QSL
    ASSERT_EQ(focus(), c<QPushButton>("Valide_A"));
    QTest::keyClick(focus(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(env.dialogs.questions, QStringList{"Voulez vous enregistrer ces données ?"});
    ASSERT_EQ(log().size(), 1);
    EXPECT_TRUE(log()[0].startsWith("F6ABC        18"));
    EXPECT_EQ(focus(), c("Ind_A"));
}

TEST_F(Clavier, ListMissingIsToldOnceAndEntryGoesOn) {
    ouvrir();
    for (int i = 0; i < 2; ++i) {
        c("Ind_A")->setFocus();
        taper("f6abc");
        taper();
        taper("dcf-001");
        EXPECT_EQ(focus(), c("Dpt_A"));
        c<QPushButton>("Efface_A")->click();
    }
    EXPECT_EQ(messages(), QStringList{"La liste des Cathédrales est absente : utilisez Mise à jour de la "
                                      "liste DCF ou Importer une liste DCF"});
}

TEST_F(Clavier, DoubleClickBelowTheLinesAsksForALine) {
    ouvrir();
    QListView* l = c<QListView>("Liste_DCF");
    QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(messages(), QStringList{"Cliquez sur une ligne pour l'editer"});
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
        ASSERT_TRUE(m.hasMatch()) << t.toStdString();
        EXPECT_FALSE(lettres.contains(m.captured(1).at(0).toLower())) << t.toStdString();
        lettres.insert(m.captured(1).at(0).toLower());
    }
    // The Parts' captions, the marks aside.
    EXPECT_EQ(c<QPushButton>("Valide_A")->text().remove('&'), "Valider le QSO");
    EXPECT_EQ(main->Mnu_Maj_DCF->text().remove('&'), "Mise à jour de la liste DCF");

    QTest::keyClick(main.get(), Qt::Key_F, Qt::ControlModifier);
    QWidget* r = fenetre("Recherche_Indicatif");
    ASSERT_NE(r, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(r));
    QTest::keyClick(r, Qt::Key_Escape);
    EXPECT_EQ(fenetre("Recherche_Indicatif"), nullptr);
    EXPECT_EQ(main->Mnu_Quitter->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    EXPECT_EQ(main->Mnu_Guide->shortcut(), QKeySequence(Qt::Key_F1));
    main->Mnu_Guide->trigger();  // the guide of the source tree
    EXPECT_NE(fenetre("Guide"), nullptr);
}

TEST_F(Clavier, FieldsAreNamedByTheirLabelsAndTabbedInEntryOrder) {
    ouvrir();
    const std::pair<const char*, const char*> noms[] = {
        {"Ind_A", "Indicatif"}, {"Prenom_A", "Prénom (optionnel)"}, {"Ref_A", "Ref Cathédrale"},
        {"Dpt_A", "Dpt"}, {"Heure_A", "Heure UTC"}, {"RSTE_A", "RST E"},
        {"Rem_A", "Nom de la Cathédrale (optionnel)"}};
    for (auto [objet, nom] : noms) {
        QWidget* w = c<QWidget>(objet);
        EXPECT_EQ(QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name), QString::fromUtf8(nom)) << objet;
    }
    const char* ordre[] = {"Bande_A", "Ind_A", "Prenom_A", "Ref_A", "Dpt_A", "Date_A", "Heure_A",
                           "Mode_A", "RST_A", "RSTE_A", "Rem_A", "QSL_A", "Valide_A"};
    // The next control Tab reaches: a combo box's own line edit is not one.
    auto suivant = [](QWidget* a) {
        QWidget* w = a->nextInFocusChain();
        while (w != a && (!(w->focusPolicy() & Qt::TabFocus) || a->isAncestorOf(w))) w = w->nextInFocusChain();
        return w;
    };
    for (size_t i = 1; i < std::size(ordre); ++i)
        EXPECT_EQ(suivant(c<QWidget>(ordre[i - 1])), c<QWidget>(ordre[i])) << ordre[i];
}

// A callsign read back from the settings passes the rule of a typed one.
TEST_F(Clavier, AStoredStationThatIsNoCallsignIsNoStation) {
    env.settings->write(Keys::App, Keys::Global, Keys::Indicatif, "../../../tmp/x/PWN");
    main = std::make_unique<Main>(env.ctx);
    EXPECT_EQ(main->stationEnregistree(), Keys::StationDefaut);
}
