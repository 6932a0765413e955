#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include "ui/widgets/EnteteListe.h"
#include "ui/Main.h"
#include "ui/ModeleLog.h"
#include "core/journal/LigneQso.h"
#include "core/journal/TextFile.h"
#include "core/recherche/Recherche.h"
#include "ui/RechercheIndicatif.h"
#include "support/Doubles.h"

namespace {

const QStringList kLog = {
    ligne("F5XYZ", "75", "JEAN", "DCF-001", "01/02/16", "08:05"),
    ligne("TF5AB", "2a", "", "DBF-012B", "02/02/16", "09:10", "CW", "7.0 Mhz", "B. NOTRE-DAME", true),
    ligne("DL1ABC", "18", "", "DCF-012", "03/02/16", "10:00"),
    ligne("F6ABC", "2a", "", "DBF-012B", "04/02/16", "11:00"),
    ligne("ON4F", "5 ", "", "DCF-120", "05/02/16", "12:00"),
};

class FenetreRecherche : public ::testing::Test {
protected:
    TestEnv env;
    std::unique_ptr<Main> main;
    QPointer<Recherche_Indicatif> w;

    // The window outlives the main window it was opened from.
    void TearDown() override { delete w; }

    void ouvrir(const QStringList& log = kLog) {
        env.station("F5XYZ", log);
        main = std::make_unique<Main>(env.ctx);
        main->demarrer();
        main->Rechercher->click();
        for (QWidget* t : QApplication::topLevelWidgets())
            if (auto* r = qobject_cast<Recherche_Indicatif*>(t)) w = r;
        ASSERT_TRUE(w);
        ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    }
    void entree(QLineEdit* e, const QString& text) {
        e->setFocus();
        QTest::keyClicks(e, text);
        QTest::keyClick(e, Qt::Key_Return);
    }
    // Running numbers of the results.
    QStringList numeros() const {
        QStringList out;
        for (const QString& l : w->resultats()) out.append(l.left(6).trimmed());
        return out;
    }
    bool boitesVides() const { return w->Indica->text().isEmpty() && w->Data->text().isEmpty() && w->Depa->text().isEmpty(); }
};

}  // namespace

TEST_F(FenetreRecherche, OpensOnTheCallsignOption) {
    ouvrir();
    EXPECT_EQ(w->windowTitle(), "Rechercher un QSO");
    EXPECT_EQ(w->Label13->text(), LigneQso::Entete);
    EXPECT_EQ(w->optionChoisie(), 1);
    EXPECT_EQ(w->findChildren<QRadioButton*>("Option1").size(), 3);
    EXPECT_EQ(QApplication::focusWidget(), w->Indica);
}

TEST_F(FenetreRecherche, ByCallsignTypedInLowerCase) {
    ouvrir();
    w->Indica->setFocus();
    QTest::keyClicks(w->Indica, "f5");
    EXPECT_EQ(w->Indica->text(), "F5");
    QTest::keyClick(w->Indica, Qt::Key_Return);
    EXPECT_EQ(numeros(), (QStringList{"1", "2"}));
    ASSERT_FALSE(w->resultats().isEmpty());
    EXPECT_EQ(w->resultats().first(), main->modele->affichage(0));
    EXPECT_TRUE(boitesVides());
    EXPECT_TRUE(env.dialogs.notices.isEmpty());

    // Only the callsign column is searched.
    entree(w->Indica, "DCF");
    EXPECT_EQ(env.dialogs.notices, QStringList{"Pas de QSO trouvé"});
    EXPECT_TRUE(w->resultats().isEmpty());
}

TEST_F(FenetreRecherche, RefusedCriteriaKeepTheirText) {
    ouvrir();
    entree(w->Indica, "F5XYZABCDEFGH");
    entree(w->Data, "dcf-01");
    entree(w->Depa, "");
    entree(w->Depa, "123");
    EXPECT_EQ(env.dialogs.notices,
              (QStringList{"12 caracteres maxi pour l'indicatif", "7 caracteres maxi pour la référence ex: DCF-001",
                           "Entrez un département", "2 caracteres maxi pour le département"}));
    EXPECT_EQ(w->Indica->text(), "F5XYZABCDEFGH");
    EXPECT_EQ(w->Data->text(), "DCF-01");
    EXPECT_EQ(w->Depa->text(), "123");
    env.dialogs.notices.clear();
    w->Indica->clear();
    entree(w->Indica, "");
    EXPECT_EQ(env.dialogs.notices, QStringList{"Entrez un indicatif"});
}

TEST_F(FenetreRecherche, ByReferenceAndByDepartement) {
    ouvrir();
    QTest::mouseClick(w->Data, Qt::LeftButton);
    EXPECT_EQ(w->optionChoisie(), 2);
    entree(w->Data, "dbf-012");
    EXPECT_EQ(numeros(), (QStringList{"2", "4"}));  // not DCF-012
    EXPECT_TRUE(boitesVides());

    QTest::mouseClick(w->Depa, Qt::LeftButton);
    EXPECT_EQ(w->optionChoisie(), 3);
    entree(w->Depa, "2A");
    EXPECT_EQ(numeros(), (QStringList{"2", "4"}));
    // The département compares as it stands: "5" is not "5 ".
    entree(w->Depa, "5");
    EXPECT_EQ(env.dialogs.notices, QStringList{"Pas de QSO trouvé"});
    EXPECT_TRUE(boitesVides());

    // An option button hands the focus to its box.
    w->Option1[0]->click();
    EXPECT_EQ(QApplication::focusWidget(), w->Indica);
}

TEST_F(FenetreRecherche, EnterInAnotherBoxSearchesWithTheChosenOption) {
    ouvrir();
    w->Option1[1]->click();
    w->Indica->setFocus();  // reached with the keyboard: the option stays
    entree(w->Indica, "F5");
    EXPECT_EQ(env.dialogs.notices, QStringList{"Entrez une référence"});
    EXPECT_TRUE(w->resultats().isEmpty());
    EXPECT_EQ(w->Indica->text(), "F5");  // the search stopped before emptying

    env.dialogs.notices.clear();
    w->Data->setText("DCF-001");
    entree(w->Indica, "X");
    EXPECT_EQ(numeros(), QStringList{"1"});
    EXPECT_TRUE(env.dialogs.notices.isEmpty());
}

TEST_F(FenetreRecherche, EmptyLogFindsNothing) {
    ouvrir({});
    w->Option1[1]->click();
    entree(w->Indica, "F5");
    EXPECT_EQ(env.dialogs.notices, QStringList{"Pas de QSO trouvé"});
    EXPECT_TRUE(boitesVides());
}

TEST_F(FenetreRecherche, DoubleClickSelectsTheQsoInTheLog) {
    ouvrir();
    entree(w->Indica, "6AB");
    ASSERT_EQ(numeros(), QStringList{"4"});
    const QRect r = w->QSO_Effectues->visualRect(w->QSO_Effectues->model()->index(0, 0));
    // A double click comes after a click.
    QTest::mouseClick(w->QSO_Effectues->viewport(), Qt::LeftButton, {}, r.center());
    QTest::mouseDClick(w->QSO_Effectues->viewport(), Qt::LeftButton, {}, r.center());
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(w.isNull());
    EXPECT_EQ(main->Liste_DCF->currentIndex().row(), 3);
    EXPECT_EQ(main->Ind_A->text(), "F6ABC");
    EXPECT_EQ(main->saisie->Ligne_Selectionnee, main->modele->affichage(3));
    EXPECT_TRUE(main->Annule_Saisie->isEnabled());
}

TEST_F(FenetreRecherche, ResultWhoseNumberIsGoneSelectsNothing) {
    ouvrir();
    entree(w->Indica, "ON4F");
    ASSERT_EQ(numeros(), QStringList{"5"});
    env.writeFile("F5XYZ_DCF.log", TextFile::joinLines({kLog[0]}));
    main->chargerListe();
    main->saisie->selectionnerLigne(0);
    w->QSO_Effectues_DblClick(0);
    EXPECT_EQ(main->Liste_DCF->currentIndex().row(), 0);
    EXPECT_EQ(main->Ind_A->text(), "F5XYZ");
}

