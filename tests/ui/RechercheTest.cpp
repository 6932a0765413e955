#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>

#include "core/journal/LigneQso.h"
#include "support/FenetreTest.h"
#include "ui/RechercheIndicatif.h"
#include "ui/widgets/EnteteListe.h"

namespace {

class FenetreRecherche : public FenetreTest {
protected:
    Recherche_Indicatif* w = nullptr;

    void SetUp() override {
        ouvrir({ligne("F5XYZ", "75", "JEAN", "DCF-001", "01/02/16", "08:05"),
                ligne("TF5AB", "2a", "", "DBF-012B", "02/02/16", "09:10", "CW", "7.0 Mhz"),
                ligne("DL1ABC", "18", "", "DCF-012", "03/02/16", "10:00"),
                ligne("F6ABC", "2a", "", "DBF-012B", "04/02/16", "11:00")});
        main->Rechercher->click();
        w = Windows::ouverte<Recherche_Indicatif>();
        ASSERT_TRUE(w);
        ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    }
    // Running numbers of the results.
    QStringList numeros() const {
        QStringList out;
        for (const QString& l : w->resultats()) out.append(l.left(6).trimmed());
        return out;
    }
};

}  // namespace

TEST_F(FenetreRecherche, EachOptionFindsItsQsosAndRefusalsKeepTheirText) {
    EXPECT_EQ(w->windowTitle(), "Rechercher un QSO");
    EXPECT_EQ(w->Label13->text(), LigneQso::Entete);
    EXPECT_EQ(focus(), w->Indica);
    struct Cas {
        QLineEdit* boite;
        QString texte;
        QStringList trouves;
    } cas[] = {
        {w->Indica, "f5", {"1", "2"}},
        {w->Data, "dbf-012", {"2", "4"}},  // not DCF-012
        {w->Depa, "2A", {"2", "4"}},
        {w->Depa, "5", {}},
    };
    for (const Cas& k : cas) {
        QTest::mouseClick(k.boite, Qt::LeftButton);  // a click chooses the box's option
        taper(k.texte);
        EXPECT_EQ(numeros(), k.trouves) << k.texte.toStdString();
        EXPECT_EQ(messages(), k.trouves.isEmpty() ? QStringList{"Pas de QSO trouvé"} : QStringList{});
        EXPECT_TRUE(w->Indica->text().isEmpty() && w->Data->text().isEmpty() && w->Depa->text().isEmpty());
    }
    EXPECT_EQ(w->optionChoisie(), 3);
    const Cas refus[] = {{w->Indica, "F5XYZABCDEFGH", {"12 caracteres maxi pour l'indicatif"}},
                         {w->Data, "DCF-01", {"7 caracteres maxi pour la référence ex: DCF-001"}},
                         {w->Depa, "123", {"2 caracteres maxi pour le département"}}};
    for (const Cas& k : refus) {
        QTest::mouseClick(k.boite, Qt::LeftButton);
        taper(k.texte);
        EXPECT_EQ(messages(), k.trouves);
        EXPECT_EQ(k.boite->text(), k.texte);
        EXPECT_EQ(focus(), k.boite);
    }
}

TEST_F(FenetreRecherche, DoubleClickOnAResultSelectsItsQsoInTheLog) {
    taper("6AB");
    ASSERT_EQ(w->resultats(), QStringList{main->modele->affichage(3)});
    QListView* v = w->QSO_Effectues;
    const QPoint p = v->visualRect(v->model()->index(0, 0)).center();
    QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, p);
    QTest::mouseDClick(v->viewport(), Qt::LeftButton, {}, p);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(Windows::ouverte<Recherche_Indicatif>().isNull());
    EXPECT_EQ(main->Liste_DCF->currentIndex().row(), 3);
    EXPECT_EQ(main->Ind_A->text(), "F6ABC");
    EXPECT_TRUE(main->Annule_Saisie->isEnabled());
}
