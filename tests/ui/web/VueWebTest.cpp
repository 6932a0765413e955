#include <gtest/gtest.h>
#include <QDesktopServices>
#include <QLabel>
#include <QTcpServer>
#include <QTest>

#include "core/Reglages.h"
#include "platform/WebView.h"
#include "reflist/ServeurLocal.h"
#include "support/Doubles.h"
#include "ui/web/FenetreReglement.h"

#ifdef VITRALOG_HAVE_WEBENGINE
#include <QWebEnginePage>
#include <QWebEngineView>
#endif

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
    auto* adresse = vue.findChild<QLabel*>("Adresse");
    EXPECT_TRUE(adresse && adresse->text().contains("http://127.0.0.1:8074/WEB/DCF.html"));
}

#ifdef VITRALOG_HAVE_WEBENGINE
TEST(VueEmbarquee, ReglementShowsThePageOfTheServer) {
    TestEnv env;
    ServeurLocal srv;
    ASSERT_TRUE(srv.listening);
    srv.servir("/WEB/DCF.html",
               ServeurLocal::reponse(200, "<html><head><title>Reglement DCF local</title></head></html>",
                                     "text/html; charset=utf-8"));
    env.settings->write(Reglages::App, Reglages::Global, Reglages::ServeurReglement, srv.base());

    FenetreReglement* w = ouvrirReglement(env.ctx);  // no factory in the context: the platform's view
    auto* vue = w->findChild<QWebEngineView*>();
    ASSERT_NE(vue, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return vue->title() == "Reglement DCF local"; }, 30000))
        << vue->title().toStdString();
    EXPECT_EQ(vue->url(), QUrl(srv.base() + "/WEB/DCF.html"));
    EXPECT_TRUE(srv.requetes.value(0).startsWith("GET /WEB/DCF.html HTTP/1.1\r\n"));
    delete w;
}

// Nothing listens on the port: the view shows a page of ours, in French.
TEST(VueEmbarquee, AnUnreachableRulesPageSaysSoInFrenchWithTheOfflineHint) {
    TestEnv env;
    QTcpServer ferme;
    ASSERT_TRUE(ferme.listen(QHostAddress::LocalHost));
    const QString serveur = QString("http://127.0.0.1:%1").arg(ferme.serverPort());
    ferme.close();
    env.settings->write(Reglages::App, Reglages::Global, Reglages::ServeurReglement, serveur);

    FenetreReglement* w = ouvrirReglement(env.ctx);
    auto* vue = w->findChild<QWebEngineView*>();
    ASSERT_NE(vue, nullptr);
    const QString titre = "Page inaccessible : " + serveur + "/WEB/DCF.html";
    EXPECT_TRUE(QTest::qWaitFor([&] { return vue->title() == titre; }, 30000)) << vue->title().toStdString();
    QString texte;
    vue->page()->toPlainText([&](const QString& t) { texte = t; });
    EXPECT_TRUE(QTest::qWaitFor([&] { return !texte.isEmpty(); }, 10000));
    EXPECT_EQ(texte.split('\n', Qt::SkipEmptyParts),
              QStringList({titre, "Le serveur a refusé la connexion.",
                           "Le règlement se lit sur Internet ; la liste des Cathédrales et le log restent "
                           "utilisables hors connexion."}));
    delete w;
}
#endif

#include "VueWebTest.moc"
