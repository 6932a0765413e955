#pragma once
#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QTcpServer>
#include <QTcpSocket>
#include <map>
#include <memory>
#include <utility>

// A small HTTP server on 127.0.0.1, run by the test's own event loop. Each
// path is answered with raw bytes, then the connection is closed or left
// hanging; unknown paths get a 404 page.
class ServeurLocal {
public:
    enum class Fin { Fermer, Bloquer };

    ServeurLocal() {
        listening = server_.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] {
            while (QTcpSocket* s = server_.nextPendingConnection()) accueillir(s);
        });
    }

    QString base() const { return QStringLiteral("http://127.0.0.1:") + QString::number(server_.serverPort()); }
    void servir(const QByteArray& path, const QByteArray& octets, Fin fin = Fin::Fermer) {
        routes_[path] = {octets, fin};
    }

    // An HTTP/1.1 answer announcing the body's size, or longueur when one is given.
    static QByteArray reponse(int status, const QByteArray& body,
                              const QByteArray& type = "text/plain; charset=windows-1252", qint64 longueur = -1) {
        return "HTTP/1.1 " + QByteArray::number(status) + " X\r\nContent-Type: " + type +
               "\r\nConnection: close\r\nContent-Length: " + QByteArray::number(longueur < 0 ? body.size() : longueur) +
               "\r\n\r\n" + body;
    }

    bool listening = false;
    QList<QByteArray> requetes;  // request line and headers of each request

private:
    void accueillir(QTcpSocket* s) {
        auto recu = std::make_shared<QByteArray>();
        QObject::connect(s, &QTcpSocket::readyRead, s, [this, s, recu] {
            *recu += s->readAll();
            const qsizetype fin = recu->indexOf("\r\n\r\n");
            if (fin < 0) return;
            requetes.append(recu->left(fin + 4));
            const QByteArray chemin = recu->left(recu->indexOf("\r\n")).split(' ').value(1);
            recu->clear();
            const auto it = routes_.find(chemin);
            const auto [octets, suite] =
                it != routes_.end() ? it->second
                                    : std::pair(reponse(404, "<html>Not Found</html>", "text/html"), Fin::Fermer);
            s->write(octets);
            if (suite == Fin::Fermer) s->disconnectFromHost();
        });
    }

    QTcpServer server_;
    std::map<QByteArray, std::pair<QByteArray, Fin>> routes_;  // the answer's bytes, then the connection's end
};
