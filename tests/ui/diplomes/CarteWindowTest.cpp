#include <QAction>
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

TEST_F(Carte, EachBoxStandsOnItsOwnDepartementWithoutCoveringAnother) {
    // A colour of its own for each département, read back under each centre.
    std::array<QColor, NbCases> couleurs;
    for (int i = 0; i < NbCases; ++i) couleurs[i] = QColor(i * 2, 255 - i * 2, (i * 37) % 256);
    CarteDessin d(couleurs);
    ASSERT_TRUE(d.valide());
    const QImage img = d.image();

    env.station("F5XYZ");
    FenetreCarte w(env.ctx);
    w.show();
    const QRect carte = dans<QLabel>(&w, "imageCarte")->contentsRect();
    std::array<QLineEdit*, NbCases> cases;
    for (int i = 0; i < NbCases; ++i) cases[i] = dans(&w, QStringLiteral("casesDepartement(%1)").arg(i));
    for (int i = 0; i < NbCases; ++i) {
        EXPECT_EQ(cases[i]->isVisible(), CarteLogic::caseVisible(i)) << i;
        if (!CarteLogic::caseVisible(i)) continue;
        const QPoint p = d.centre(i).toPoint();
        EXPECT_EQ(img.pixelColor(p), couleurs[i]) << i << " at " << p.x() << "," << p.y();
        EXPECT_EQ(d.encart().contains(p), i == 75 || i == 92 || i == 93 || i == 94) << i;
        const QRect a = cases[i]->geometry();
        EXPECT_EQ(cases[i]->text(), CarteLogic::texteCase(i));
        EXPECT_TRUE(carte.contains(a)) << i;
        EXPECT_LE((QPointF(a.center()) - (d.centre(i) + carte.topLeft())).manhattanLength(), 24) << i;
        for (int j = i + 1; j < NbCases; ++j) {
            const QRect commun = a & cases[j]->geometry();
            EXPECT_TRUE(!CarteLogic::caseVisible(j) || commun.width() <= 1 || commun.height() <= 1)
                << i << " over " << j;
        }
    }
}
