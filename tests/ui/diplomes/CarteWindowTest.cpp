#include <QAction>
#include <QHash>
#include <QLabel>
#include <QLineEdit>

#include "support/FenetreTest.h"
#include "ui/diplomes/CarteDessin.h"
#include "ui/diplomes/FenetreCarte.h"
#include "ui/widgets/Couleurs.h"

using CarteLogic::NbCases;

namespace {

QString qso(const QString& dpt, bool qsl = false) {
    return ligne("F6ABC", dpt, "JEAN", "DCF-001", "01/02/24", "10:00", "SSB", "14 Mhz", "NOTRE-DAME", qsl);
}

class Carte : public FenetreTest {};

}  // namespace

TEST_F(Carte, TheMenuOpensTheMapColouredAndCountedFromTheLog) {
    ouvrir({qso("75", true), qso("2a"), qso("29"), qso("29", true), qso("00"), qso("98"), qso("2c", true), qso("13")});
    const QByteArray avant = env.readFile("F5XYZ_DCF.log");
    c<QAction>("actionCarte")->trigger();
    FenetreCarte* w = Windows::ouverte<FenetreCarte>();
    ASSERT_TRUE(w);
    EXPECT_EQ(w->windowTitle(), "Carte des départements contactés");
    const QColor vert(128, 255, 128), rouge(255, 192, 192), jaune(255, 255, 128);
    const std::pair<int, QColor> cases[] = {{75, vert}, {29, vert},  {96, rouge}, {13, rouge},
                                            {0, rouge}, {98, rouge}, {1, jaune},  {97, jaune}};
    for (const auto& [i, couleur] : cases) {
        auto* b = w->findChild<QLineEdit*>(QStringLiteral("casesDepartement(%1)").arg(i));
        ASSERT_NE(b, nullptr) << i;
        EXPECT_EQ(Couleurs::fond(b), couleur) << i;
    }
    EXPECT_EQ(dans<QLabel>(w, "nombreDepartements")->text(), "5");  // 75, 96, 29, 98, 13
    EXPECT_EQ(dans(w, "champConfirmes")->text(), " 2 Dpt confirmés");
    EXPECT_EQ(dans(w, "champNonContactes")->text(), " 91 Dpt non contactés");
    EXPECT_TRUE(env.dialogs.notices.isEmpty());
    EXPECT_EQ(env.readFile("F5XYZ_DCF.log"), avant);
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
            EXPECT_EQ(cases[i]->isVisible(), CarteLogic::caseVisible(i)) << i;
            if (!CarteLogic::caseVisible(i)) continue;
            EXPECT_EQ(cases[i]->text(), CarteLogic::texteCase(i));
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
