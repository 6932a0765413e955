#include "platform/HttpClient.h"

#include <QCursor>
#include <QEventLoop>
#include <QGuiApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace {

// Errors Qt raises for an HTTP error status: the answer itself arrived whole.
bool erreurDeStatut(QNetworkReply::NetworkError e) {
    return (e >= QNetworkReply::ContentAccessDenied && e <= QNetworkReply::UnknownContentError) ||
           (e >= QNetworkReply::InternalServerError && e <= QNetworkReply::UnknownServerError);
}

// The wait cursor for as long as the program waits for the server.
class CurseurOccupe {
public:
    CurseurOccupe() : actif_(qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        if (actif_) QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    }
    ~CurseurOccupe() {
        if (actif_) QGuiApplication::restoreOverrideCursor();
    }

private:
    bool actif_;
};

}  // namespace

HttpResult QtHttpClient::get(const QUrl& url, qint64 maxBytes) {
    HttpResult r;
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() ||
        (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
        r.error = QStringLiteral("adresse non valide : ") + url.toString();
        return r;
    }

    QNetworkAccessManager nam;
    nam.setCache(nullptr);
    QNetworkRequest req(url);
    req.setHeader(QNetworkRequest::UserAgentHeader, QByteArrayLiteral("VB OpenUrl"));
    req.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    req.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    req.setRawHeader("Cache-Control", "no-cache");
    req.setRawHeader("Pragma", "no-cache");
    // No compression: the announced length is then the length of the body.
    req.setRawHeader("Accept-Encoding", "identity");

    bool tempsDepasse = false;
    bool tropGrand = false;
    QEventLoop loop;
    QTimer limite;
    limite.setSingleShot(true);
    QNetworkReply* reply = nam.get(req);
    QObject::connect(reply, &QNetworkReply::readyRead, &loop, [&] {
        r.body += reply->readAll();
        if (maxBytes >= 0 && r.body.size() > maxBytes) {
            tropGrand = true;
            reply->abort();
        }
    });
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QObject::connect(&limite, &QTimer::timeout, &loop, [&] {
        tempsDepasse = true;
        reply->abort();
    });
    limite.start(limitMs_);
    {
        CurseurOccupe curseur;
        // Typing and clicks wait: the program has a single thread of work.
        if (!reply->isFinished()) loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    limite.stop();
    if (reply->isOpen()) r.body += reply->readAll();

    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    r.reached = status.isValid();
    r.status = r.reached ? status.toInt() : 0;
    const QNetworkReply::NetworkError err = reply->error();
    const QVariant annonce = reply->header(QNetworkRequest::ContentLengthHeader);

    if (tempsDepasse)
        r.error = QStringLiteral("délai dépassé");
    else if (tropGrand)
        r.error = QStringLiteral("réponse trop volumineuse");
    else if (err != QNetworkReply::NoError && !(r.reached && erreurDeStatut(err)))
        r.error = reply->errorString();
    else if (annonce.isValid() && annonce.toLongLong() != r.body.size())
        r.error = QStringLiteral("transfert incomplet");
    else if (!r.reached)
        r.error = QStringLiteral("pas de réponse");
    r.complete = r.reached && r.error.isEmpty();
    delete reply;
    return r;
}
