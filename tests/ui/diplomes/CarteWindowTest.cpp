#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include "ui/widgets/Couleurs.h"
#include "ui/Main.h"
#include "ui/diplomes/CarteDessin.h"
#include "ui/diplomes/Carte_Acti_DCF.h"
#include "support/Doubles.h"

using CarteLogic::NbCases;

namespace {

QString qso(const QString& dpt, bool qsl = false) {
    return ligne("F6ABC", dpt, "JEAN", "DCF-001", "01/02/24", "10:00", "SSB", "14 Mhz",
                 "NOTRE-DAME", qsl);
}

QColor fondCase(QWidget& w, int i) {
    auto* b = w.findChild<QLineEdit*>(QStringLiteral("Dep(%1)").arg(i));
    EXPECT_NE(b, nullptr) << i;
    return b ? Couleurs::fond(b) : QColor();
}

QString texte(QWidget& w, const char* name) {
    QObject* o = w.findChild<QObject*>(QString::fromLatin1(name));
    EXPECT_NE(o, nullptr) << name;
    if (auto* l = qobject_cast<QLabel*>(o)) return l->text();
    if (auto* e = qobject_cast<QLineEdit*>(o)) return e->text();
    return {};
}

}  // namespace

TEST(CarteFenetre, ColoursAndCountsFromTheLog) {
    TestEnv env;
    env.station("F5XYZ", {qso("75", true), qso("2a"), qso("29"), qso("29", true), qso("29"),
                          qso("00"), qso("98"), qso("2c", true), qso("13")});
    Carte_Acti_DCF w(env.ctx);

    EXPECT_EQ(w.windowTitle(), "Carte des départements contactés");
    EXPECT_EQ(fondCase(w, 75), Carte_Acti_DCF::VertPale);
    EXPECT_EQ(fondCase(w, 29), Carte_Acti_DCF::VertPale);
    EXPECT_EQ(fondCase(w, 96), Carte_Acti_DCF::RougePale);
    EXPECT_EQ(fondCase(w, 13), Carte_Acti_DCF::RougePale);
    EXPECT_EQ(fondCase(w, 0), Carte_Acti_DCF::RougePale);
    EXPECT_EQ(fondCase(w, 98), Carte_Acti_DCF::RougePale);
    for (int i : {1, 20, 97, 99}) EXPECT_EQ(fondCase(w, i), Carte_Acti_DCF::JaunePale) << i;
    EXPECT_EQ(Carte_Acti_DCF::JaunePale, QColor(255, 255, 128));
    EXPECT_EQ(Carte_Acti_DCF::RougePale, QColor(255, 192, 192));
    EXPECT_EQ(Carte_Acti_DCF::VertPale, QColor(128, 255, 128));

    EXPECT_EQ(texte(w, "NB_Dep"), "5");  // 75, 96, 29, 98, 13
    EXPECT_EQ(texte(w, "Nb_Nconf"), " 2 Dpt confirmés");
    EXPECT_EQ(texte(w, "Nb_Ncont"), " 91 Dpt non contactés");
    EXPECT_EQ(texte(w, "Label5"), "départements contactés");
    EXPECT_EQ(Couleurs::fond(w.Nb_Nconf), Couleurs::VertClair);
    EXPECT_EQ(Couleurs::fond(w.Nb_Ncont), Couleurs::JauneClair);
    EXPECT_TRUE(env.dialogs.notices.isEmpty());

    // The window only reads the log.
    EXPECT_EQ(env.readFile("F5XYZ_DCF.log").count("\r\n"), 9);
}

TEST(CarteFenetre, UnreadableLogLeavesEveryBoxYellowAndSaysSo) {
    TestEnv env;
    env.ctx.station = "F5XYZ";  // no log file
    Carte_Acti_DCF w(env.ctx);
    for (int i = 0; i < NbCases; ++i) EXPECT_EQ(fondCase(w, i), Carte_Acti_DCF::JaunePale) << i;
    EXPECT_EQ(texte(w, "NB_Dep"), "0");
    EXPECT_EQ(texte(w, "Nb_Nconf"), " 0 Dpt confirmés");
    EXPECT_EQ(texte(w, "Nb_Ncont"), " 96 Dpt non contactés");
    EXPECT_EQ(env.dialogs.notices, QStringList{"Impossible de lire le log F5XYZ_DCF.log"});

    // An empty log is read, not reported.
    TestEnv vide;
    vide.station("F5XYZ");
    Carte_Acti_DCF v(vide.ctx);
    EXPECT_TRUE(vide.dialogs.notices.isEmpty());
    EXPECT_EQ(texte(v, "Nb_Ncont"), " 96 Dpt non contactés");
}

TEST(CarteFenetre, BoxesStandOnTheMap) {
    TestEnv env;
    env.station("F5XYZ");
    Carte_Acti_DCF w(env.ctx);
    w.show();
    const QRect carte = w.Picture1->contentsRect();
    for (int i = 0; i < NbCases; ++i) {
        QLineEdit* b = w.Dep[i];
        EXPECT_EQ(b->objectName(), QStringLiteral("Dep(%1)").arg(i));
        EXPECT_EQ(b->text(), CarteLogic::texteCase(i));
        EXPECT_EQ(b->isVisible(), CarteLogic::caseVisible(i)) << i;
        EXPECT_EQ(b->parentWidget(), w.Picture1);
        if (CarteLogic::caseVisible(i)) {
            EXPECT_EQ(b->size(), QSize(25, 20));
            EXPECT_TRUE(carte.contains(b->geometry())) << i;
        }
    }
    // The inset at the top left, Corsica at the bottom right.
    for (int i : {75, 92, 93, 94}) {
        EXPECT_LT(w.Dep[i]->x(), 150) << i;
        EXPECT_LT(w.Dep[i]->y(), 130) << i;
    }
    for (int i : {96, 97}) {
        EXPECT_GT(w.Dep[i]->x(), 400) << i;
        EXPECT_GT(w.Dep[i]->y(), 420) << i;
    }
    EXPECT_LT(w.Dep[29]->x(), w.Dep[1]->x());  // Brittany west of Ain
    EXPECT_LT(w.Dep[59]->y(), w.Dep[66]->y());  // Nord above the Pyrenees

    // Pushed apart where départements are small, but still on their own.
    std::array<QColor, NbCases> blanc;
    blanc.fill(Qt::white);
    const CarteDessin dessin(blanc);
    for (int i = 0; i < NbCases; ++i) {
        if (!CarteLogic::caseVisible(i)) continue;
        const QRect a = w.Dep[i]->geometry();
        const QPointF ecart = QPointF(a.center()) - (dessin.centre(i) + carte.topLeft());
        EXPECT_LE(ecart.manhattanLength(), 24) << i;
        for (int j = i + 1; j < NbCases; ++j) {
            if (!CarteLogic::caseVisible(j)) continue;
            const QRect commun = a & w.Dep[j]->geometry();
            EXPECT_TRUE(commun.width() <= 1 || commun.height() <= 1) << i << " over " << j;
        }
    }
}

TEST(CarteDessin, EachCentreFallsOnItsOwnDepartement) {
    // A colour of its own for each département, then read the drawing back
    // under each centre.
    std::array<QColor, NbCases> couleurs;
    for (int i = 0; i < NbCases; ++i) couleurs[i] = QColor(i * 2, 255 - i * 2, (i * 37) % 256);
    CarteDessin d(couleurs);
    ASSERT_TRUE(d.valide());
    const QImage img = d.image();
    EXPECT_EQ(img.size(), QSize(475, 510));
    for (int i = 0; i < NbCases; ++i) {
        if (!CarteLogic::caseVisible(i)) continue;
        const QPoint p = d.centre(i).toPoint();
        EXPECT_EQ(img.pixelColor(p), couleurs[i]) << "box " << i << " at " << p.x() << "," << p.y();
        const bool encart = i == 75 || i == 92 || i == 93 || i == 94;
        EXPECT_EQ(d.encart().contains(p), encart) << i;
    }
}

TEST(CarteFenetre, MenuOpensOneWindow) {
    TestEnv env;
    env.station("F5XYZ", {qso("75", true)});
    Main main(env.ctx);
    main.demarrer();
    main.Mnu_Carte_Contacte->trigger();
    main.Mnu_Carte_Contacte->trigger();
    QList<Carte_Acti_DCF*> ouvertes;
    for (QWidget* t : QApplication::topLevelWidgets())
        if (auto* c = qobject_cast<Carte_Acti_DCF*>(t); c && c->isVisible()) ouvertes << c;
    ASSERT_EQ(ouvertes.size(), 1);
    EXPECT_EQ(fondCase(*ouvertes[0], 75), Carte_Acti_DCF::VertPale);
    ouvertes[0]->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
