#pragma once
#include <gtest/gtest.h>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <functional>

inline quint16 portLibre() {
    QTcpServer s;
    s.listen(QHostAddress::LocalHost, 0);
    return s.serverPort();
}

inline bool attendre(const std::function<bool()>& vrai, int ms = 3000) { return QTest::qWaitFor(vrai, ms); }

// The dummy rig of Hamlib behind a real rigctld, and a second client that
// turns its knobs as another program would.
struct Rigctld {
    QProcess processus;
    quint16 port = portLibre();

    Rigctld() { demarrer(); }
    ~Rigctld() { tuer(); }
    void demarrer() {
        processus.start(QStringLiteral("rigctld"), {"-m", "1", "-T", "127.0.0.1", "-t", QString::number(port)});
        EXPECT_TRUE(processus.waitForStarted()) << "libhamlib-utils est-il installé ?";
        EXPECT_TRUE(attendre([this] { return !commande("f").isEmpty(); })) << "rigctld n'écoute pas";
    }
    void tuer() {
        processus.kill();
        processus.waitForFinished();
    }
    // The reply's lines, joined by '|'.
    QByteArray commande(const QByteArray& c, int lignes = 1) {
        QTcpSocket s;
        s.connectToHost(QHostAddress::LocalHost, port);
        if (!s.waitForConnected(500)) return {};
        s.write(c + '\n');
        QByteArray r;
        while (r.count('\n') < lignes && s.waitForReadyRead(1000)) r += s.readAll();
        return r.trimmed().replace('\n', '|');
    }
};
