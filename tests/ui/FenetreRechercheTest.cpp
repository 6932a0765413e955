#include "support/FenetreTest.h"
#include "ui/FenetreRecherche.h"
#include "ui/widgets/EnteteListe.h"

namespace {

class RechercheQso : public FenetreTest {
protected:
    FenetreRecherche* w = nullptr;
    QLineEdit *indicatif = nullptr, *reference = nullptr, *departement = nullptr;

    void SetUp() override {
        ouvrir({ligne("F5XYZ", "75", "JEAN", "DCF-001", "01/02/16", "08:05"),
                ligne("TF5AB", "2a", "", "DBF-012B", "02/02/16", "09:10", "CW", "7.0 Mhz"),
                ligne("DL1ABC", "18", "", "DCF-012", "03/02/16", "10:00"),
                ligne("F6ABC", "2a", "", "DBF-012B", "04/02/16", "11:00")});
        c<QPushButton>("boutonRechercher")->click();
        w = Windows::ouverte<FenetreRecherche>();
        ASSERT_TRUE(w && QTest::qWaitForWindowActive(w));
        indicatif = dans(w, "champIndicatif");
        reference = dans(w, "champReference");
        departement = dans(w, "champDepartement");
    }
};

}  // namespace

TEST_F(RechercheQso, EachOptionFindsItsQsosAndRefusalsKeepTheirText) {
    EXPECT_EQ(
        w->windowTitle() + "|" + dans<QLabel>(w, "entete")->text() + (focus() == indicatif ? "" : "|focus ailleurs"),
        "Rechercher un QSO|" + LigneQso::Entete);
    // Messages, then the three boxes (emptied), then the running numbers found: a
    // box's click chooses its option, each option's column proven with the search.
    struct Cas {
        QLineEdit* boite;
        QString texte;
        QStringList vus;
    } cas[] = {
        {indicatif, "f5", {"", "1", "2"}},
        {reference, "dbf-012", {"", "2", "4"}},  // not DCF-012
        {departement, "5", {"Pas de QSO trouvé", ""}},
    };
    for (const Cas& k : cas) {
        QTest::mouseClick(k.boite, Qt::LeftButton);
        taper(k.texte);
        QStringList vus = messages() << indicatif->text() + reference->text() + departement->text();
        for (const QString& l : w->resultats()) vus << l.left(6).trimmed();
        EXPECT_EQ(vus, k.vus) << k.texte.toStdString();
    }
    EXPECT_EQ(w->optionChoisie(), 3);
    // A refusal keeps the text and the focus in its box.
    const Cas refus[] = {{indicatif, "F5XYZABCDEFGH", {"12 caracteres maxi pour l'indicatif"}},
                         {reference, "DCF-01", {"7 caracteres maxi pour la référence ex: DCF-001"}},
                         {departement, "123", {"2 caracteres maxi pour le département"}}};
    for (const Cas& k : refus) {
        QTest::mouseClick(k.boite, Qt::LeftButton);
        taper(k.texte);
        EXPECT_EQ(messages() << k.boite->text() << QString(focus() == k.boite ? "focus" : "ailleurs"),
                  QStringList(k.vus) << k.texte << "focus");
    }
}

TEST_F(RechercheQso, DoubleClickOnAResultSelectsItsQsoInTheLog) {
    taper("6AB");
    ASSERT_EQ(w->resultats(), QStringList{ligneListe(3)});
    QListView* v = dans<QListView>(w, "listeResultats");
    verifierEntete(dans<EnteteListe>(w, "entete"), v);
    cliquer(v, 0, true);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(Windows::ouverte<FenetreRecherche>().isNull());
    EXPECT_EQ(QString::number(c<QListView>("listeQso")->currentIndex().row()) + c("champIndicatif")->text() +
                  (c<QPushButton>("boutonSupprimer")->isEnabled() ? " modifiable" : ""),
              "3F6ABC modifiable");
}
