#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "ui/widgets/Couleurs.h"
#include "ui/Main.h"
#include "core/Reglages.h"
#include "platform/WebView.h"
#include "support/Doubles.h"
#include "ui/web/Cluster.h"
#include "core/web/PagesCluster.h"
#include "ui/web/Reglement.h"

namespace {

// Records where each view was sent.
class VueEnregistreuse : public WebView {
public:
    using WebView::WebView;
    void navigate(const QUrl& url) override { adresses.append(url.toString()); }
    QStringList adresses;
};

class FabriqueEnregistreuse : public WebViewFactory {
public:
    WebView* create(QWidget* parent) override { return new VueEnregistreuse(parent); }
};

QStringList adresses(WebView* v) { return static_cast<VueEnregistreuse*>(v)->adresses; }

template <class W>
void fermer(W* w) {
    QPointer<W> p(w);
    w->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(p.isNull());
}

struct Pages : ::testing::Test {
    TestEnv env;
    FabriqueEnregistreuse fabrique;
    const QString cluster = "http://127.0.0.1:8073";

    void SetUp() override {
        env.station("F5XYZ");
        env.ctx.webViews = &fabrique;
        env.settings->write(Keys::App, Keys::Global, Keys::ServeurCluster, cluster + "/");
        env.settings->write(Keys::App, Keys::Global, Keys::ServeurReglement, "http://127.0.0.1:8074");
    }
    QString bandeStockee() {
        return env.settings->read(Keys::ClusterApp, env.ctx.stationSection(), Keys::BandeCluster,
                                  "<absent>");
    }
};

TEST(PagesCluster, EveryEntryHasItsPage) {
    const QStringList pages = {"/euhfcw.html", "/ww160cw.html", "/ww80cw.html", "/ww40cw.html",
                               "/ww30cw.html", "/ww20cw.html",  "/ww17cw.html", "/ww15cw.html",
                               "/ww12cw.html", "/ww10cw.html",  "/ww6cw.html",  "/ww2cw.html",
                               "/euvhfcw.html"};
    const QStringList entrees = PagesCluster::entrees();
    ASSERT_EQ(entrees.size(), 13);
    EXPECT_EQ(entrees.first(), "All HF");
    EXPECT_EQ(entrees.last(), "All VHF");
    // Entries 1 to 11 are the main window's bands, in the same order.
    EXPECT_EQ(entrees.mid(1, 11),
              (QStringList{"1.8 Mhz", "3.5 Mhz", "7.0 Mhz", "10 Mhz", "14 Mhz", "18 Mhz", "21 Mhz",
                           "24 Mhz", "28 Mhz", "50 Mhz", "144 Mhz"}));
    for (int i = 0; i < 13; ++i) EXPECT_EQ(PagesCluster::page(i), pages[i]) << i;
    EXPECT_EQ(PagesCluster::page(-1), "");
    EXPECT_EQ(PagesCluster::page(13), "");
}

TEST_F(Pages, ClusterShowsTheStoredBandOfEachStation) {
    Cluster* w = ouvrirCluster(env.ctx);
    EXPECT_EQ(w->windowTitle(), "Cluster");
    EXPECT_EQ(w->Label1->text(), "Cluster remis a jour toutes les minutes");
    EXPECT_EQ(w->Label3->text(), "Bande");
    EXPECT_EQ(Couleurs::fond(w->Bande_CL), QColor(255, 255, 192));
    // First opening: "All HF", shown at once and stored.
    EXPECT_EQ(w->Bande_CL->currentText(), "All HF");
    EXPECT_EQ(adresses(w->WebBrowser1), QStringList{cluster + "/euhfcw.html"});
    EXPECT_EQ(bandeStockee(), "0");

    // Choosing a band changes nothing until "Afficher".
    w->Bande_CL->setCurrentIndex(5);
    EXPECT_EQ(adresses(w->WebBrowser1).size(), 1);
    QTest::mouseClick(w->Afficher, Qt::LeftButton);
    EXPECT_EQ(adresses(w->WebBrowser1).last(), cluster + "/ww20cw.html");
    EXPECT_EQ(bandeStockee(), "5");
    // Stored for the cluster's own application name only.
    EXPECT_EQ(env.ctx.readStation(Keys::BandeCluster, "<absent>"), "<absent>");

    // Opened again while open: brought to the front, not reloaded.
    EXPECT_EQ(ouvrirCluster(env.ctx), w);
    EXPECT_EQ(adresses(w->WebBrowser1).size(), 2);
    fermer(w);

    w = ouvrirCluster(env.ctx);
    EXPECT_EQ(w->Bande_CL->currentText(), "14 Mhz");
    EXPECT_EQ(adresses(w->WebBrowser1), QStringList{cluster + "/ww20cw.html"});
    fermer(w);

    env.station("F6ABC");
    w = ouvrirCluster(env.ctx);
    EXPECT_EQ(w->Bande_CL->currentText(), "All HF");
    EXPECT_EQ(adresses(w->WebBrowser1), QStringList{cluster + "/euhfcw.html"});
    fermer(w);
    env.station("F5XYZ");
    w = ouvrirCluster(env.ctx);
    EXPECT_EQ(w->Bande_CL->currentText(), "14 Mhz");
    fermer(w);
}

TEST_F(Pages, ClusterTypedBandMatchingNothingStoresMinusOne) {
    Cluster* w = ouvrirCluster(env.ctx);
    w->Bande_CL->setEditText("13 Mhz");
    w->Afficher->click();
    EXPECT_EQ(bandeStockee(), "-1");
    EXPECT_EQ(adresses(w->WebBrowser1), QStringList{cluster + "/euhfcw.html"});
    fermer(w);

    // Next opening: no band selected, no page.
    w = ouvrirCluster(env.ctx);
    EXPECT_EQ(w->Bande_CL->currentText(), "");
    EXPECT_TRUE(adresses(w->WebBrowser1).isEmpty());
    fermer(w);
}

TEST_F(Pages, ReglementLoadsTheRulesPageOnce) {
    Reglement* w = ouvrirReglement(env.ctx);
    EXPECT_EQ(w->windowTitle(), "Règlement du diplôme DCF");
    EXPECT_EQ(adresses(w->WebBrowser1), QStringList{"http://127.0.0.1:8074/WEB/DCF.html"});
    EXPECT_EQ(ouvrirReglement(env.ctx), w);
    EXPECT_EQ(adresses(w->WebBrowser1).size(), 1);
    fermer(w);
}

TEST_F(Pages, MenuItemsOpenTheWindows) {
    Main main(env.ctx);
    main.demarrer();
    main.Mnu_Reglement->trigger();
    main.Mnu_Cluster->trigger();
    Reglement* r = nullptr;
    Cluster* c = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!r) r = qobject_cast<Reglement*>(w);
        if (!c) c = qobject_cast<Cluster*>(w);
    }
    ASSERT_NE(r, nullptr);
    ASSERT_NE(c, nullptr);
    EXPECT_TRUE(r->isVisible());
    EXPECT_TRUE(c->isVisible());
    EXPECT_EQ(adresses(r->WebBrowser1).size(), 1);
    EXPECT_EQ(adresses(c->WebBrowser1).size(), 1);
    fermer(r);
    fermer(c);
}

}  // namespace
