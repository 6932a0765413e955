#include "support/FenetreTest.h"
#include "ui/FenetreRecherche.h"
#include "ui/widgets/EnteteListe.h"

using RechercheQso = FenetreTest;

// Each option's column and each refusal's rule are proven with the search:
// here a box chooses its option, a refusal keeps its text, and a double
// click on a result selects its QSO in the log.
TEST_F(RechercheQso, ABoxChoosesItsOptionARefusalKeepsItsTextAResultLeadsBack) {
    ouvrir({ligne("F5XYZ", "75", "JEAN", "DCF-001", "01/02/16", "08:05"),
            ligne("TF5AB", "2a", "", "DBF-012B", "02/02/16", "09:10", "CW", "7.0 Mhz"),
            ligne("DL1ABC", "18", "", "DCF-012", "03/02/16", "10:00"),
            ligne("F6ABC", "2a", "", "DBF-012B", "04/02/16", "11:00")});
    c<QPushButton>("boutonRechercher")->click();
    FenetreRecherche* w = Windows::ouverte<FenetreRecherche>();
    ASSERT_TRUE(w && QTest::qWaitForWindowActive(w));
    QLineEdit *indicatif = dans(w, "champIndicatif"), *reference = dans(w, "champReference"),
              *departement = dans(w, "champDepartement");
    EXPECT_EQ(w->windowTitle() + (focus() == indicatif ? "" : "|focus ailleurs"), "Rechercher un QSO");
    QTest::mouseClick(reference, Qt::LeftButton);
    taper("dbf-012");
    QStringList vus = messages() << indicatif->text() + reference->text() + departement->text();
    for (const QString& l : w->resultats()) vus << l.left(6).trimmed();
    EXPECT_EQ(vus, QStringList({"", "2", "4"}));  // not DCF-012; the boxes emptied
    QTest::mouseClick(departement, Qt::LeftButton);
    taper("123");
    EXPECT_EQ(messages() << departement->text() << QString(focus() == departement ? "focus" : "ailleurs"),
              QStringList({"2 caracteres maxi pour le département", "123", "focus"}));

    QTest::mouseClick(indicatif, Qt::LeftButton);
    taper("6AB");
    ASSERT_EQ(w->resultats(), QStringList{ligneListe(3)});
    QListView* v = dans<QListView>(w, "listeResultats");
    verifierEntete(dans<EnteteListe>(w, "entete"), v);
    cliquer(v, 0, true);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(Windows::ouverte<FenetreRecherche>().isNull());
    EXPECT_EQ(c<QListView>("listeQso")->currentIndex().row(), 3);  // the form shows it as after a click
}
