#include <QAreaSeries>
#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QFileDialog>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QToolTip>

#include "support/FenetreTest.h"
#include "ui/diplomes/FenetreProgression.h"

namespace {

// One confirmed reference a month through 2026 on 14 Mhz, three more contacted on 7.0 Mhz.
QStringList journal() {
    QStringList l;
    for (int m = 1; m <= 12; ++m)
        l << ligne("F6ABC", "75", "JEAN", QString("DCF-%1").arg(m, 3, 10, QChar('0')),
                   QString("15/%1/26").arg(m, 2, 10, QChar('0')), "10:00", "SSB", "14 Mhz", "NOTRE-DAME", true);
    for (int i = 1; i <= 3; ++i)
        l << ligne("F6ABC", "75", "JEAN", QString("DBF-%1B").arg(i, 3, 10, QChar('0')), "20/11/26", "10:00", "SSB",
                   "7.0 Mhz", "BASILIQUE");
    return l;
}

// Pixels of exactly this colour: the map's colours fill the charts' areas and bars.
int pixels(const QImage& image, const QColor& couleur) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    int n = 0;
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x) n += rgb.pixel(x, y) == couleur.rgb();
    return n;
}

class FenetreProgressionTest : public FenetreTest {
protected:
    void SetUp() override { env.station("F5XYZ", journal()); }
    template <class T>
    static T* c(const QWidget& w, const char* nom) {
        T* t = w.findChild<T*>(QString::fromLatin1(nom));
        EXPECT_NE(t, nullptr) << nom;
        return t;
    }
};

}  // namespace

TEST_F(FenetreProgressionTest, SavesItsChartsAsOnePngProposedInTheDataFolder) {
    FenetreProgression w(env.ctx);
    w.show();
    EXPECT_EQ(c<QLabel>(w, "titre")->text(), "Progression DCF de F5XYZ au 06/12/2026");
    EXPECT_EQ(c<QLabel>(w, "resume")->text(),
              "Diplome DCF : 12 QSO confirmés ; références : 15 contactées, 12 confirmées");
    EXPECT_EQ(c<QLabel>(w, "projection")->text(), "Niveau suivant (Excellence) vers 06/2028 au rythme actuel");

    QString propose;
    QTimer::singleShot(0, [&] {
        auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        propose = d->selectedFiles().value(0);
        static_cast<QDialog*>(d)->accept();  // as "Enregistrer" does
    });
    QTest::mouseClick(c<QPushButton>(w, "boutonEnregistrerImage"), Qt::LeftButton);
    const QString nom = "F5XYZ_Progression_DCF_06_12_26.png";
    EXPECT_EQ(propose, env.dir.path() + "/" + nom);
    EXPECT_EQ(messages(), QStringList{"Image enregistrée sous le nom : " + nom});
    const QImage png(env.dir.path() + "/" + nom);
    EXPECT_GE(png.width(), 1000);
    EXPECT_GE(png.height(), 700);
    EXPECT_GT(pixels(png, QColor(255, 255, 128)), 2000);  // contacted
    EXPECT_GT(pixels(png, QColor(128, 255, 128)), 2000);  // confirmed

    // A folder cannot be replaced by the picture.
    QDir(env.dir.path()).mkdir("dossier.png");
    EXPECT_FALSE(w.enregistrerImageSous(env.dir.path() + "/dossier.png"));
    EXPECT_EQ(messages(), QStringList{"Impossible d'enregistrer le fichier dossier.png"});
}

TEST_F(FenetreProgressionTest, FollowsTheLogAndPrintsOnePage) {
    FenetreProgression w(env.ctx);
    ASSERT_TRUE(env.carnet
                    .ajouterEnFin({"F6ABC", "75", "JEAN", "DCF-100", "01/12/26", "11:00", "SSB", "21 Mhz", "59", "59",
                                   "NOTRE-DAME", "*"})
                    .fait());
    EXPECT_EQ(c<QLabel>(w, "resume")->text(),
              "Diplome DCF : 13 QSO confirmés ; références : 16 contactées, 13 confirmées");
    EXPECT_EQ(w.figures().bandes.value(6).confirmees, 1);  // 21 Mhz

    ImprimantePdf imp(env.dir.path() + "/progression.pdf");
    env.ctx.printer = &imp.printer;
    QTest::mouseClick(c<QPushButton>(w, "boutonImprimer"), Qt::LeftButton);
    EXPECT_EQ(imp.dialogues, 1);
    EXPECT_TRUE(messages().isEmpty());
    QProcess images;
    images.start("pdfimages", {"-list", imp.pdf});
    ASSERT_TRUE(images.waitForFinished(30000));
    // Header, rule, then one line per image: page 1, the picture at twice its size.
    const QStringList lignes = QString::fromUtf8(images.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lignes.size(), 3);
    EXPECT_EQ(lignes[2].simplified().section(' ', 0, 4), "1 0 image 2400 1800");
}

TEST_F(FenetreProgressionTest, ToolTipsGiveTheFiguresOfTheMonthOrTheBandUnderTheMouse) {
    FenetreProgression w(env.ctx);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    QChart* temps = c<QChartView>(w, "graphiqueTemps")->chart();
    QChart* bandes = c<QChartView>(w, "graphiqueBandes")->chart();
    auto* contactees = qobject_cast<QAreaSeries*>(temps->series().value(0));
    auto* parBande = qobject_cast<QBarSeries*>(bandes->series().value(0));
    ASSERT_TRUE(contactees && parBande);
    emit contactees->hovered(QPointF(10.2, 3), true);  // November, the nearest month
    EXPECT_EQ(QToolTip::text(),
              "11/2026\nDiplome DCF : 11 QSO confirmés\nRéférences contactées : 14\nRéférences confirmées : 11");
    emit parBande->barSets().value(0)->hovered(true, 2);
    EXPECT_EQ(QToolTip::text(), "7.0 Mhz\nRéférences contactées : 3\nRéférences confirmées : 0");
    emit parBande->barSets().value(0)->hovered(false, 2);
    EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000));
}
