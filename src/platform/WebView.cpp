#include "platform/WebView.h"

#include <QDesktopServices>
#include <QLabel>
#include <QVBoxLayout>

#ifdef VITRALOG_HAVE_WEBENGINE
#include <QWebEngineView>
#endif

BrowserWebView::BrowserWebView(QWidget* parent) : WebView(parent) {
    auto* lay = new QVBoxLayout(this);
    adresse_ = new QLabel(this);
    adresse_->setObjectName(QStringLiteral("Adresse"));
    adresse_->setAlignment(Qt::AlignCenter);
    adresse_->setWordWrap(true);
    adresse_->setTextFormat(Qt::RichText);
    adresse_->setOpenExternalLinks(true);
    adresse_->setTextInteractionFlags(Qt::TextBrowserInteraction);
    lay->addWidget(adresse_);
}

void BrowserWebView::navigate(const QUrl& url) {
    const QString lien = url.toString(QUrl::FullyEncoded).toHtmlEscaped();
    adresse_->setText(QStringLiteral("La page est ouverte dans le navigateur :<br><a href=\"%1\">%1</a>")
                          .arg(lien));
    QDesktopServices::openUrl(url);
}

#ifdef VITRALOG_HAVE_WEBENGINE
namespace {

class EngineWebView : public WebView {
public:
    explicit EngineWebView(QWidget* parent) : WebView(parent) {
        auto* lay = new QVBoxLayout(this);
        lay->setContentsMargins(0, 0, 0, 0);
        vue_ = new QWebEngineView(this);
        lay->addWidget(vue_);
    }
    void navigate(const QUrl& url) override { vue_->setUrl(url); }

private:
    QWebEngineView* vue_;
};

}  // namespace
#endif

WebView* QtWebViewFactory::create(QWidget* parent) {
#ifdef VITRALOG_HAVE_WEBENGINE
    return new EngineWebView(parent);
#else
    return new BrowserWebView(parent);
#endif
}
