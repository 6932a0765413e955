// The embedded web engine, built as a module that the program loads the
// first time a page opens: linking it would load its 150 MB at every start.
#include <QTimer>
#include <QVBoxLayout>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineView>

#include "platform/WebView.h"

namespace {

using PageInaccessible::Raison;

// The engine's network error numbers, by what they mean to the operator.
Raison raison(const QWebEngineLoadingInfo& info) {
    switch (info.errorDomain()) {
        case QWebEngineLoadingInfo::HttpStatusCodeDomain: return Raison::ErreurServeur;
        case QWebEngineLoadingInfo::CertificateErrorDomain: return Raison::Certificat;
        case QWebEngineLoadingInfo::DnsErrorDomain: return Raison::NomInconnu;
        default: break;
    }
    switch (info.errorCode()) {
        case -105:  // NAME_NOT_RESOLVED
        case -137:  // NAME_RESOLUTION_FAILED
            return Raison::NomInconnu;
        case -102: return Raison::ConnexionRefusee;  // CONNECTION_REFUSED
        case -100:                                   // CONNECTION_CLOSED
        case -101:                                   // CONNECTION_RESET
        case -103:                                   // CONNECTION_ABORTED
        case -324:                                   // EMPTY_RESPONSE
            return Raison::ConnexionCoupee;
        case -7:    // TIMED_OUT
        case -118:  // CONNECTION_TIMED_OUT
            return Raison::DelaiDepasse;
        case -312: return Raison::PortRefuse;  // UNSAFE_PORT
        case -21:                              // NETWORK_CHANGED
        case -104:                             // CONNECTION_FAILED
        case -106:                             // INTERNET_DISCONNECTED
        case -109:                             // ADDRESS_UNREACHABLE
            return Raison::HorsReseau;
        default: return Raison::Autre;
    }
}

class VueMoteur : public WebView {
public:
    explicit VueMoteur(QWidget* parent) : WebView(parent) {
        auto* lay = new QVBoxLayout(this);
        lay->setContentsMargins(0, 0, 0, 0);
        vue_ = new QWebEngineView(this);
        lay->addWidget(vue_);
        connect(vue_->page(), &QWebEnginePage::loadingChanged, this, [this](const QWebEngineLoadingInfo& info) {
            // A load cut short by the next one (ABORTED) is no failure.
            if (info.status() != QWebEngineLoadingInfo::LoadFailedStatus || info.errorCode() == -3 ||
                info.url().scheme() == QLatin1String("data") || !pageEchec())
                return;
            const QString page = pageEchec()(info.url(), raison(info), info.errorCode());
            // After the engine is done with its own error page, which this replaces.
            QTimer::singleShot(0, vue_, [vue = vue_, page] { vue->setHtml(page); });
        });
    }
    void navigate(const QUrl& url) override { vue_->setUrl(url); }

private:
    QWebEngineView* vue_;
};

}  // namespace

extern "C" Q_DECL_EXPORT WebView* vitralog_vue_moteur(QWidget* parent) { return new VueMoteur(parent); }
