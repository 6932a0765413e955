#pragma once
#include <QByteArray>
#include <QObject>
#include <QString>
#include <QUrl>
#include <memory>

// What one HTTP GET gave back.
struct HttpResult {
    bool reached = false;    // the server answered with a status line
    int status = 0;          // HTTP status, 0 when no answer came
    QByteArray contentType;  // the Content-Type header as sent, empty when none
    QByteArray body;         // everything received, even when the transfer failed
    bool complete = false;   // no network error, the announced length received, within the limits
    bool cancelled = false;  // stopped by the caller
    QString error;           // why the transfer failed; empty when it did not

    bool ok() const { return complete && status >= 200 && status < 300; }
};

// One GET in flight. It runs on the caller's event loop; termine() is
// emitted once, after which resultat() holds the answer.
class HttpTransfert : public QObject {
    Q_OBJECT
public:
    bool estTermine() const { return termine_; }
    const HttpResult& resultat() const { return resultat_; }

public slots:
    // Stops the transfer; the result says cancelled. Nothing once it ended.
    virtual void annuler() = 0;

signals:
    // Bytes received so far and the announced total, -1 when none was announced.
    void progression(qint64 recus, qint64 total);
    void termine();

protected:
    void terminer(HttpResult r);

private:
    bool termine_ = false;
    HttpResult resultat_;
};

// An HTTP client: start() gives a transfer to follow and cancel; get() waits
// for one without taking typing or clicks meanwhile.
class HttpClient {
public:
    virtual ~HttpClient() = default;
    // maxBytes < 0: no size limit. A larger body stops the transfer.
    virtual std::unique_ptr<HttpTransfert> start(const QUrl& url, qint64 maxBytes = -1) = 0;
    HttpResult get(const QUrl& url, qint64 maxBytes = -1);
};

// Qt Network: user agent "VB OpenUrl", never served from a cache, a time
// limit on the whole transfer. http and https.
class QtHttpClient : public HttpClient {
public:
    static constexpr int LimiteParDefautMs = 30000;
    explicit QtHttpClient(int limitMs = LimiteParDefautMs) : limitMs_(limitMs) {}
    std::unique_ptr<HttpTransfert> start(const QUrl& url, qint64 maxBytes = -1) override;

private:
    int limitMs_;
};
