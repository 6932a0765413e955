#include <QAction>
#include <QComboBox>
#include <QPushButton>

#include "core/Reglages.h"
#include "platform/WebView.h"
#include "support/FenetreTest.h"
#include "ui/web/Cluster.h"
#include "ui/web/Reglement.h"

namespace {

// Records where each view was sent.
struct VueEnregistreuse : WebView {
    using WebView::WebView;
    void navigate(const QUrl& url) override { adresses.append(url.toString()); }
    QStringList adresses;
};

struct FabriqueEnregistreuse : WebViewFactory {
    WebView* create(QWidget* parent) override { return new VueEnregistreuse(parent); }
};

QStringList adresses(WebView* v) { return static_cast<VueEnregistreuse*>(v)->adresses; }

class Pages : public FenetreTest {
protected:
    FabriqueEnregistreuse fabrique;
    const QString cluster = "http://127.0.0.1:8073";

    void SetUp() override {
        env.ctx.webViews = &fabrique;
        env.settings->write(Keys::App, Keys::Global, Keys::ServeurCluster, cluster + "/");
        env.settings->write(Keys::App, Keys::Global, Keys::ServeurReglement, "http://127.0.0.1:8074");
        ouvrir();
    }
    // Opens the cluster from the menu, the one before closed.
    Cluster* rouvrir() {
        if (Cluster* w = Windows::ouverte<Cluster>()) w->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        main->Mnu_Cluster->trigger();
        return Windows::ouverte<Cluster>();
    }
    QString bandeStockee() {
        return env.settings->read(Keys::ClusterApp, env.ctx.stationSection(), Keys::BandeCluster, "<absent>");
    }
};

}  // namespace

TEST_F(Pages, ClusterShowsEachBandsPageAndKeepsTheBandOfEachStation) {
    Cluster* w = rouvrir();
    ASSERT_TRUE(w);
    EXPECT_EQ(w->windowTitle(), "Cluster");
    // First opening: "All HF", shown at once and stored.
    EXPECT_EQ(adresses(w->WebBrowser1), QStringList{cluster + "/euhfcw.html"});
    EXPECT_EQ(bandeStockee(), "0");
    QStringList vues;
    for (int i = 0; i < w->Bande_CL->count(); ++i) {
        w->Bande_CL->setCurrentIndex(i);
        EXPECT_EQ(adresses(w->WebBrowser1).size(), i + 1);  // nothing until "Afficher"
        QTest::mouseClick(w->Afficher, Qt::LeftButton);
        vues << w->Bande_CL->currentText() + " " + adresses(w->WebBrowser1).last().remove(cluster);
    }
    EXPECT_EQ(vues.join(", "), "All HF /euhfcw.html, 1.8 Mhz /ww160cw.html, 3.5 Mhz /ww80cw.html, 7.0 Mhz /ww40cw.html, "
                               "10 Mhz /ww30cw.html, 14 Mhz /ww20cw.html, 18 Mhz /ww17cw.html, 21 Mhz /ww15cw.html, "
                               "24 Mhz /ww12cw.html, 28 Mhz /ww10cw.html, 50 Mhz /ww6cw.html, 144 Mhz /ww2cw.html, "
                               "All VHF /euvhfcw.html");
    w->Bande_CL->setCurrentIndex(5);
    w->Afficher->click();
    // Stored under the cluster's own name only.
    EXPECT_EQ(bandeStockee() + env.ctx.readStation(Keys::BandeCluster, "<absent>"), "5<absent>");
    w = rouvrir();
    EXPECT_EQ(adresses(w->WebBrowser1), QStringList{cluster + "/ww20cw.html"});
    env.station("F6ABC");
    EXPECT_EQ(rouvrir()->Bande_CL->currentText(), "All HF");
    // A typed band that names none: -1 stored, the next opening shows nothing.
    w = Windows::ouverte<Cluster>();
    w->Bande_CL->setEditText("13 Mhz");
    w->Afficher->click();
    EXPECT_TRUE(bandeStockee() == "-1" && adresses(w->WebBrowser1).size() == 1);
    w = rouvrir();
    EXPECT_TRUE(w->Bande_CL->currentText().isEmpty() && adresses(w->WebBrowser1).isEmpty());
    env.station("F5XYZ");
    EXPECT_EQ(rouvrir()->Bande_CL->currentText(), "14 Mhz");
}

TEST_F(Pages, TheRulesPageFromTheMenu) {
    main->Mnu_Reglement->trigger();
    Reglement* w = Windows::ouverte<Reglement>();
    ASSERT_TRUE(w);
    EXPECT_EQ(w->windowTitle(), "Règlement du diplôme DCF");
    EXPECT_EQ(adresses(w->WebBrowser1), QStringList{"http://127.0.0.1:8074/WEB/DCF.html"});
}
