#pragma once
#include <QByteArray>
#include <QString>
#include <QUrl>

// What one HTTP GET gave back.
struct HttpResult {
    bool reached = false;    // the server answered with a status line
    int status = 0;          // HTTP status, 0 when no answer came
    QByteArray body;         // everything received, even when the transfer failed
    bool complete = false;   // no network error, the announced length received, within the limits
    QString error;           // why the transfer failed; empty when it did not

    bool ok() const { return complete && status >= 200 && status < 300; }
};

// One HTTP GET, the body read in full into memory. The caller waits for it.
class HttpClient {
public:
    virtual ~HttpClient() = default;
    // maxBytes < 0: no size limit. A larger body stops the transfer.
    virtual HttpResult get(const QUrl& url, qint64 maxBytes = -1) = 0;
};

// Qt Network behind a local event loop and a busy cursor: user agent
// "VB OpenUrl", never served from a cache, a time limit on the whole transfer.
class QtHttpClient : public HttpClient {
public:
    static constexpr int LimiteParDefautMs = 30000;
    explicit QtHttpClient(int limitMs = LimiteParDefautMs) : limitMs_(limitMs) {}
    HttpResult get(const QUrl& url, qint64 maxBytes = -1) override;

private:
    int limitMs_;
};
