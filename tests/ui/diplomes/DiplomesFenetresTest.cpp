#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QFileDialog>
#include <QHash>
#include <QToolTip>

#include "core/diplomes/Rapports.h"
#include "support/FenetreTest.h"
#include "ui/diplomes/CarteDessin.h"
#include "ui/diplomes/FenetreCarte.h"
#include "ui/diplomes/FenetreContactees.h"
#include "ui/diplomes/FenetreDiplomes.h"
#include "ui/diplomes/FenetreListeDiplome.h"
#include "ui/diplomes/FenetreProgression.h"
#include "ui/widgets/Couleurs.h"

using CarteLogic::NbCases;

namespace {
QString qso(int i, bool qsl, const QString& ref = {}) {
    const QString r = ref.isEmpty() ? QString("DCF-%1").arg(i % 150 + 1, 3, 10, QChar('0')) : ref;
    return ligne(QString("F%1AB").arg(i % 10), "75", "JEAN", r, "14/05/15",
                 QString("10:%1").arg(i % 60, 2, 10, QChar('0')), "SSB", "14 Mhz", "NOTRE-DAME", qsl);
}

QStringList journal(int confirmes) {
    QStringList l;
    for (int i = 0; i < confirmes; ++i) l << qso(i, true);
    return l << qso(500, false) << qso(501, false);
}

using Carte = FenetreTest;
using Diplomes = FenetreTest;

}  // namespace

TEST_F(Carte, TheMenuOpensTheMapColouredAndCountedFromTheLog) {
    ouvrir({qso(1, true), ligne("F6ABC", "13", "", "DCF-002", "01/02/24", "10:00")});
    c<QAction>("actionCarte")->trigger();
    FenetreCarte* w = Windows::ouverte<FenetreCarte>();
    ASSERT_TRUE(w);
    EXPECT_EQ(w->windowTitle(), "Carte des départements contactés");
    // The colour and count rules themselves are proven with the map's logic.
    EXPECT_EQ(Couleurs::fond(dans(w, "casesDepartement(75)")), QColor(128, 255, 128));
    EXPECT_EQ(dans<QLabel>(w, "nombreDepartements")->text(), "2");  // the log read
}

// At its smallest and in a larger window: each box near its own
// département, no box over another, every département in sight, the small
// ones with their boxes beside them.
TEST_F(Carte, TheDrawingFillsTheWindowAndTheBoxesHideNoDepartement) {
    env.station("F5XYZ");
    FenetreCarte w(env.ctx);
    w.show();
    QLabel* image = dans<QLabel>(&w, "imageCarte");
    std::array<QLineEdit*, NbCases> cases;
    for (int i = 0; i < NbCases; ++i) cases[i] = dans(&w, QStringLiteral("casesDepartement(%1)").arg(i));
    // A colour of its own for each département, read back around the boxes.
    std::array<QColor, NbCases> couleurs;
    for (int i = 0; i < NbCases; ++i) couleurs[i] = QColor(i * 2, 255 - i * 2, (i * 37) % 256);

    // Its smallest size fits a 1366 × 768 screen under a title bar and a panel.
    const QSize minimale = w.minimumSizeHint();
    EXPECT_TRUE(minimale.width() <= 600 && minimale.height() <= 690) << minimale.width() << "x" << minimale.height();
    QSize avant;
    for (const QSize taille : {minimale, QSize(900, 1000)}) {
        const bool premiere = avant.isEmpty();
        w.resize(taille);
        QApplication::processEvents();
        const QRect carte = image->contentsRect();
        SCOPED_TRACE(carte.width());
        EXPECT_EQ(w.size(), taille);
        EXPECT_EQ(image->pixmap().size(), carte.size());  // the drawing fills its place
        EXPECT_TRUE(premiere || carte.width() > avant.width());
        avant = carte.size();

        CarteDessin d(couleurs, carte.size());
        ASSERT_TRUE(d.valide());
        const QImage img = d.image();
        QHash<QRgb, int> departement;
        for (int i = 0; i < NbCases; ++i)
            if (CarteLogic::caseVisible(i)) departement.insert(couleurs[i].rgb(), i);
        std::array<int, NbCases> vus{}, tous{};
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const int i = departement.value(img.pixel(x, y), -1);
                if (i < 0) continue;
                ++tous[i];
                bool cache = false;
                for (int j = 0; j < NbCases && !cache; ++j)
                    cache = CarteLogic::caseVisible(j) && cases[j]->geometry().contains(QPoint(x, y) + carte.topLeft());
                vus[i] += !cache;
            }
        for (int i = 0; i < NbCases; ++i) {
            if (!CarteLogic::caseVisible(i)) continue;
            EXPECT_EQ(img.pixelColor(d.centre(i).toPoint()), couleurs[i]) << i;
            EXPECT_EQ(d.encart().contains(d.centre(i)), i == 75 || i == 92 || i == 93 || i == 94) << i;
            const QRect a = cases[i]->geometry();
            EXPECT_TRUE(carte.contains(a)) << i;
            EXPECT_LE((QPointF(a.center()) - (d.centre(i) + carte.topLeft())).manhattanLength(), 60) << i;
            // Nearly a third at least in sight; the small ones three quarters.
            const bool petit = premiere && (i == 78 || i == 91 || i == 95 || i == 90);
            EXPECT_GE(vus[i] * (petit ? 4 : 10), tous[i] * 3)
                << i << ": " << vus[i] << " of " << tous[i] << " pixels seen";
            for (int j = i + 1; j < NbCases; ++j) {
                const QRect commun = a & cases[j]->geometry();
                EXPECT_TRUE(!CarteLogic::caseVisible(j) || commun.width() <= 1 || commun.height() <= 1)
                    << i << " over " << j;
            }
        }
    }
}

// The thresholds and counts are proven with the reports.
TEST_F(Diplomes, AReachedLevelIsShownAndItsButtonEnabled) {
    env.station("F5XYZ", journal(30));
    FenetreDiplomes w(env.ctx);
    EXPECT_EQ(dans<QLabel>(&w, "statutBase")->text(), Rapports::niveaux()[0].atteint);
    EXPECT_FALSE(dans<QPushButton>(&w, "boutonHonneur")->isEnabled());  // reached ones open their lists: below
    EXPECT_EQ(dans<QLabel>(&w, "compteBase")->text(), "avec les QSL des 30 Cathédrales confirmés");
}

TEST_F(Diplomes, ALevelButtonOpensOneListThatSavesUnderTheLastLevelChosen) {
    ouvrir(journal(100));
    c<QAction>("actionDiplomes")->trigger();
    FenetreDiplomes* d = Windows::ouverte<FenetreDiplomes>();
    ASSERT_TRUE(d);
    QTest::mouseClick(dans<QPushButton>(d, "boutonTrophee"), Qt::LeftButton);
    FenetreListeDiplome* liste = Windows::ouverte<FenetreListeDiplome>();
    ASSERT_TRUE(liste);
    QLabel* niveau = dans<QLabel>(liste, "etiquetteNiveau");
    QPushButton* enregistrer = dans<QPushButton>(liste, "boutonEnregistrer");
    EXPECT_EQ(niveau->text() + "|" + dans<QLabel>(liste, "etiquetteNombre")->text() + "|" +
                  QString::number(liste->entrees().size()),
              "Diplome DCF Trophé| 100 Cathédrales confirmées|100");

    // Another level while it is open: same window and title, the new level's file.
    QTest::mouseClick(dans<QPushButton>(d, "boutonBase"), Qt::LeftButton);
    EXPECT_TRUE(Windows::ouverte<FenetreListeDiplome>() == liste && niveau->text() == "Diplome DCF Trophé");
    const QString nom = "F5XYZ_Diplome_DCF_de_Base_06_12_26.txt";
    env.writeFile(nom, QByteArray(5000, 'x'));  // overwritten
    QTest::mouseClick(enregistrer, Qt::LeftButton);
    EXPECT_EQ(messages(), QStringList{"Fichier enregistré sous le nom : " + nom});
    EXPECT_EQ(env.readFile(nom),
              TextFile::joinLines(Rapports::rapportDiplome("F5XYZ", "de Base", "06/12/2026", liste->entrees(),
                                                           Rapports::Support::Fichier)
                                      .lignesFichier()));

    // A hundred lines take two pages: the level's printed title, then the list's column header over the second
    // (the lines are the report's, the breaks the printer's).
    ImprimantePdf imp(env.dir.filePath("diplome.pdf"));
    env.ctx.printer = &imp.printer;
    QTest::mouseClick(dans<QPushButton>(liste, "boutonImprimer"), Qt::LeftButton);
    const Impression lu = lireImpression(imp.pdf);
    ASSERT_EQ(lu.numeros, QStringList({"Page 1 / 2", "Page 2 / 2"}));
    EXPECT_EQ(QStringList({lu.pages[0].value(0).trimmed(), lu.pages[1].value(0).trimmed()}),
              QStringList({"F5XYZ Diplome DCF De base du 06/12/26", Rapports::EnteteImpressionDiplome.trimmed()}));

    const QString bloque = "F5XYZ_Diplome_DCF_Excellence_06_12_26.txt";
    QDir(env.dir.path()).mkdir(bloque);  // a folder cannot be replaced
    QTest::mouseClick(dans<QPushButton>(d, "boutonExcellence"), Qt::LeftButton);
    QTest::mouseClick(enregistrer, Qt::LeftButton);
    EXPECT_EQ(messages(), QStringList{"Impossible d'enregistrer le fichier " + bloque});
    verifierEntete(dans<EnteteColonnes>(liste, "entete"), dans<QListView>(liste, "listeConfirmees"));
}

TEST_F(Diplomes, ContactedListShowsOneLinePerReferenceAndPrefixThenSaves) {
    ouvrir({qso(1, true, "DCF-001"), qso(11, false, "DCF-001"), qso(2, true, "DBF-001B"),
            ligne("F6XYZ", "75", "", "DCF-001", "01/01/20", "10:00")});
    c<QAction>("actionContactees")->trigger();
    FenetreContactees* a = Windows::ouverte<FenetreContactees>();
    ASSERT_TRUE(a);
    const QStringList vues = a->entrees();
    ASSERT_EQ(vues.size(), 3);  // F1AB twice on DCF-001: once, the filter itself proven with the reports
    verifierEntete(dans<EnteteColonnes>(a, "entete"), dans<QListView>(a, "listeContactees"));
    // The title once, the frame of the list without a caption.
    EXPECT_EQ(dans<QLabel>(a, "titre")->text() + "|" + dans<QGroupBox>(a, "cadreListe")->title(),
              "Liste alphanumerique des Cathédrales et Basiliques contactées|");
    QTest::mouseClick(dans<QPushButton>(a, "boutonEnregistrer"), Qt::LeftButton);
    const QString nom = "Cathédrales_Contactes_F5XYZ_06_12_26.txt";
    EXPECT_EQ(messages(), QStringList{"Le log a été enregistré sous le nom : " + nom});
    EXPECT_EQ(env.readFile(nom),
              TextFile::joinLines(Rapports::rapportContactes("F5XYZ", "06/12/2026", vues).lignesFichier()));
}

// The figures of the band under the mouse, the picture saved where proposed, the summary following the log.
TEST_F(Diplomes, ProgressionToolTipPictureAndSummaryFollowingTheLog) {
    // One confirmed reference on 14 Mhz, three more contacted on 7.0 Mhz.
    QStringList log = {
        ligne("F6ABC", "75", "JEAN", "DCF-001", "15/01/26", "10:00", "SSB", "14 Mhz", "NOTRE-DAME", true)};
    for (int i = 1; i <= 3; ++i)
        log << ligne("F6ABC", "75", "JEAN", QString("DBF-00%1B").arg(i), "20/11/26", "10:00", "SSB", "7.0 Mhz");
    env.station("F5XYZ", log);
    FenetreProgression w(env.ctx);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    auto* parBande = qobject_cast<QBarSeries*>(dans<QChartView>(&w, "graphiqueBandes")->chart()->series().value(0));
    ASSERT_TRUE(parBande);
    emit parBande->barSets().value(0)->hovered(true, 2);
    EXPECT_EQ(QToolTip::text(), "7.0 Mhz\nRéférences contactées : 3\nRéférences confirmées : 0");
    emit parBande->barSets().value(0)->hovered(false, 2);
    EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000));
    QString propose;
    QTimer::singleShot(0, [&] {
        auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        propose = d->selectedFiles().value(0);
        static_cast<QDialog*>(d)->accept();  // as "Enregistrer" does
    });
    QTest::mouseClick(dans<QPushButton>(&w, "boutonEnregistrerImage"), Qt::LeftButton);
    const QString nom = "F5XYZ_Progression_DCF_06_12_26.png";
    EXPECT_EQ(propose, env.dir.path() + "/" + nom);
    EXPECT_EQ(messages(), QStringList{"Image enregistrée sous le nom : " + nom});
    EXPECT_GE(QImage(env.dir.path() + "/" + nom).width(), 1000);

    // A folder cannot be replaced by the picture.
    QDir(env.dir.path()).mkdir("dossier.png");
    EXPECT_FALSE(w.enregistrerImageSous(env.dir.path() + "/dossier.png"));
    EXPECT_EQ(messages(), QStringList{"Impossible d'enregistrer le fichier dossier.png"});

    const Qso q{"F6ABC", "75", "JEAN", "DCF-100", "01/12/26", "11:00", "SSB", "21 Mhz", "59", "59", "NOTRE-DAME", "*"};
    ASSERT_TRUE(env.carnet.ajouterEnFin(q).fait());
    EXPECT_EQ(dans<QLabel>(&w, "resume")->text(),
              "Diplome DCF : 2 QSO confirmés ; références : 5 contactées, 2 confirmées");
}
