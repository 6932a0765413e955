#include <QDesktopServices>
#include <QTcpServer>

#include "platform/WebView.h"
#include "reflist/ServeurLocal.h"
#include "support/FenetreTest.h"
#include "ui/web/FenetreCluster.h"
#include "ui/web/FenetreReglement.h"

#ifdef VITRALOG_HAVE_WEBENGINE
#include <QWebEngineView>
#endif

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

// The addresses the view of a window was sent to.
QStringList adresses(QWidget* fenetre) {
    auto* vue = fenetre ? fenetre->findChild<QWidget*>("vueWeb") : nullptr;
    return vue ? static_cast<VueEnregistreuse*>(vue)->adresses : QStringList{"<pas de vue>"};
}

class Pages : public FenetreTest {
protected:
    FabriqueEnregistreuse fabrique;
    const QString cluster = "http://127.0.0.1:8073";

    void SetUp() override {
        env.ctx.webViews = &fabrique;
        env.settings->write(Reglages::App, Reglages::Global, Reglages::ServeurCluster, cluster + "/");
        env.settings->write(Reglages::App, Reglages::Global, Reglages::ServeurReglement, "http://127.0.0.1:8074");
        ouvrir();
    }
    // Opens the cluster from the menu, the one before closed.
    FenetreCluster* rouvrir() {
        if (FenetreCluster* w = Windows::ouverte<FenetreCluster>()) w->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        c<QAction>("actionCluster")->trigger();
        return Windows::ouverte<FenetreCluster>();
    }
    QString bandeStockee() {
        return env.settings->read(Reglages::ClusterApp, env.ctx.stationSection(), Reglages::BandeCluster, "<absent>");
    }
};

using VueEmbarquee = FenetreTest;

}  // namespace

TEST_F(Pages, ClusterShowsTheChosenBandsPageAndKeepsItThenTheRules) {
    FenetreCluster* w = rouvrir();
    ASSERT_TRUE(w);
    // First opening: "All HF", shown at once and stored.
    EXPECT_EQ(w->windowTitle() + " " + adresses(w).join(",") + " " + bandeStockee(),
              "Cluster " + cluster + "/euhfcw.html 0");
    dans<QComboBox>(w, "choixBande")->setCurrentIndex(12);  // a mere choice shows nothing, "Afficher" does
    EXPECT_EQ(adresses(w).size(), 1);
    QTest::mouseClick(dans<QPushButton>(w, "boutonAfficher"), Qt::LeftButton);
    EXPECT_EQ(adresses(w).last(), cluster + "/euvhfcw.html");
    // Stored under the cluster's own name only, and shown at the next opening.
    EXPECT_EQ(bandeStockee() + env.ctx.readStation(Reglages::BandeCluster, "<absent>"), "12<absent>");
    EXPECT_EQ(adresses(rouvrir()), QStringList{cluster + "/euvhfcw.html"});
    // The rules page, from its menu (out of reach, the engine's view says so: below).
    c<QAction>("actionReglement")->trigger();
    FenetreReglement* r = Windows::ouverte<FenetreReglement>();
    EXPECT_EQ(r ? r->windowTitle() + " " + adresses(r).join(",") : "aucune fenêtre",
              "Règlement du diplôme DCF http://127.0.0.1:8074/WEB/DCF.html");
}

// Stands in for the desktop browser.
class Navigateur : public QObject {
    Q_OBJECT
public:
    QList<QUrl> ouvertes;
    Q_INVOKABLE void ouvrir(const QUrl& url) { ouvertes.append(url); }
};

TEST(VueNavigateur, OpensTheDesktopBrowserAndShowsTheAddress) {
    Navigateur nav;
    QDesktopServices::setUrlHandler("http", &nav, "ouvrir");
    BrowserWebView vue;
    const QUrl page("http://127.0.0.1:8074/WEB/DCF.html");
    vue.navigate(page);
    QDesktopServices::unsetUrlHandler("http");
    EXPECT_EQ(nav.ouvertes, QList<QUrl>{page});
    EXPECT_TRUE(dans<QLabel>(&vue, "Adresse")->text().contains("http://127.0.0.1:8074/WEB/DCF.html"));
}

#ifdef VITRALOG_HAVE_WEBENGINE
// No factory in the context: the platform's view shows the server's page, or,
// nothing listening on the port, a page of ours in French.
TEST_F(VueEmbarquee, ReglementShowsTheServersPageOrSaysInFrenchWhyNot) {
    // The rules window opened anew on this server, once its page has this title.
    auto afficher = [&](const QString& serveur, const QString& titre) {
        delete Windows::ouverte<FenetreReglement>().data();
        env.settings->write(Reglages::App, Reglages::Global, Reglages::ServeurReglement, serveur);
        auto* vue = ouvrirReglement(env.ctx)->findChild<QWebEngineView*>();
        EXPECT_TRUE(vue && QTest::qWaitFor([&] { return vue->title() == titre; }, 30000))
            << (vue ? vue->title().toStdString() : "pas de vue");
        return vue;
    };
    ServeurLocal srv;
    ASSERT_TRUE(srv.listening);
    srv.servir("/WEB/DCF.html",
               ServeurLocal::reponse(200, "<html><head><title>Reglement DCF local</title></head></html>",
                                     "text/html; charset=utf-8"));
    afficher(srv.base(), "Reglement DCF local");  // a title served at that path only

    QTcpServer ferme;
    ASSERT_TRUE(ferme.listen(QHostAddress::LocalHost));
    const QString serveur = QString("http://127.0.0.1:%1").arg(ferme.serverPort());
    ferme.close();
    const QString titre = "Page inaccessible : " + serveur + "/WEB/DCF.html";
    QWebEngineView* vue = afficher(serveur, titre);
    ASSERT_NE(vue, nullptr);
    QString texte;
    vue->page()->toPlainText([&](const QString& t) { texte = t; });
    EXPECT_TRUE(QTest::qWaitFor([&] { return !texte.isEmpty(); }, 10000));
    EXPECT_EQ(texte.split('\n', Qt::SkipEmptyParts),
              QStringList({titre, "Le serveur a refusé la connexion.",
                           "Le règlement se lit sur Internet ; la liste des Cathédrales et le log restent "
                           "utilisables hors connexion."}));
}
#endif

#include "PagesWebTest.moc"
