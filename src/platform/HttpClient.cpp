#include "platform/HttpClient.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

void HttpTransfert::terminer(HttpResult r) {
    if (termine_) return;
    resultat_ = std::move(r);
    termine_ = true;
    emit termine();
}

HttpResult HttpClient::get(const QUrl& url, qint64 maxBytes) {
    const std::unique_ptr<HttpTransfert> t = start(url, maxBytes);
    if (!t->estTermine()) {
        QEventLoop loop;
        QObject::connect(t.get(), &HttpTransfert::termine, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    return t->resultat();
}

namespace {

// Errors Qt raises for an HTTP error status: the answer itself arrived whole.
bool erreurDeStatut(QNetworkReply::NetworkError e) {
    return (e >= QNetworkReply::ContentAccessDenied && e <= QNetworkReply::UnknownContentError) ||
           (e >= QNetworkReply::InternalServerError && e <= QNetworkReply::UnknownServerError);
}

class QtTransfert : public HttpTransfert {
public:
    QtTransfert(const QUrl& url, qint64 maxBytes, int limitMs) : maxBytes_(maxBytes) {
        const QString scheme = url.scheme().toLower();
        if (!url.isValid() || url.host().isEmpty() ||
            (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
            r_.error = QStringLiteral("adresse non valide : ") + url.toString();
            terminer(r_);
            return;
        }
        nam_.setCache(nullptr);
        QNetworkRequest req(url);
        req.setHeader(QNetworkRequest::UserAgentHeader, QByteArrayLiteral("VB OpenUrl"));
        req.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
        req.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
        req.setRawHeader("Cache-Control", "no-cache");
        req.setRawHeader("Pragma", "no-cache");
        // No compression: the announced length is then the length of the body.
        req.setRawHeader("Accept-Encoding", "identity");

        reply_ = nam_.get(req);
        connect(reply_, &QNetworkReply::readyRead, this, &QtTransfert::lire);
        connect(reply_, &QNetworkReply::finished, this, &QtTransfert::fin);
        limite_.setSingleShot(true);
        connect(&limite_, &QTimer::timeout, this, [this] { arreter(tempsDepasse_); });
        limite_.start(limitMs);
    }
    ~QtTransfert() override {
        if (reply_) {
            reply_->disconnect(this);
            reply_->abort();
            delete reply_;
        }
    }

    void annuler() override { arreter(annule_); }

private:
    void arreter(bool& raison) {
        if (!reply_ || estTermine()) return;
        raison = true;
        reply_->abort();  // finished follows, now or from the event loop
    }

    void lire() {
        r_.body += reply_->readAll();
        if (maxBytes_ >= 0 && r_.body.size() > maxBytes_) {
            arreter(tropGrand_);
            return;
        }
        const QVariant annonce = reply_->header(QNetworkRequest::ContentLengthHeader);
        emit progression(r_.body.size(), annonce.isValid() ? annonce.toLongLong() : -1);
    }

    void fin() {
        if (estTermine()) return;
        limite_.stop();
        if (reply_->isOpen() && !tropGrand_) r_.body += reply_->readAll();

        const QVariant status = reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        r_.reached = status.isValid();
        r_.status = r_.reached ? status.toInt() : 0;
        r_.contentType = reply_->rawHeader("Content-Type");
        const QNetworkReply::NetworkError err = reply_->error();
        const QVariant annonce = reply_->header(QNetworkRequest::ContentLengthHeader);

        r_.cancelled = annule_;
        if (annule_)
            r_.error = QStringLiteral("annulé");
        else if (tempsDepasse_)
            r_.error = QStringLiteral("délai dépassé");
        else if (tropGrand_)
            r_.error = QStringLiteral("réponse trop volumineuse");
        else if (err != QNetworkReply::NoError && !(r_.reached && erreurDeStatut(err)))
            r_.error = reply_->errorString();
        else if (annonce.isValid() && annonce.toLongLong() != r_.body.size())
            r_.error = QStringLiteral("transfert incomplet");
        else if (!r_.reached)
            r_.error = QStringLiteral("pas de réponse");
        r_.complete = r_.reached && r_.error.isEmpty();
        reply_->disconnect(this);
        reply_->deleteLater();
        reply_ = nullptr;
        terminer(r_);
    }

    QNetworkAccessManager nam_;
    QNetworkReply* reply_ = nullptr;
    QTimer limite_;
    qint64 maxBytes_;
    HttpResult r_;
    bool annule_ = false, tempsDepasse_ = false, tropGrand_ = false;
};

}  // namespace

std::unique_ptr<HttpTransfert> QtHttpClient::start(const QUrl& url, qint64 maxBytes) {
    return std::make_unique<QtTransfert>(url, maxBytes, limitMs_);
}
