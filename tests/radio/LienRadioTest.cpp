#include <gtest/gtest.h>
#include <unistd.h>
#include <QDir>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include "core/Reglages.h"
#include "platform/LienRadio.h"
#include "platform/PosteRadio.h"
#include "support/Doubles.h"
#include "support/Rigctld.h"

namespace {

// Children of this process running rigctld.
int rigctldEnfants() {
    int n = 0;
    for (const QString& pid : QDir(QStringLiteral("/proc")).entryList({"[0-9]*"}, QDir::Dirs)) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        const QByteArray s = stat.open(QIODevice::ReadOnly) ? stat.readAll() : QByteArray();
        // "pid (name) state ppid …": the parent is the second field after the name.
        if (s.contains("(rigctld)") && s.mid(s.lastIndexOf(')') + 2).split(' ').value(1).toInt() == ::getpid()) ++n;
    }
    return n;
}

QString texte(const LienRadio& l) { return Radio::texte(l.etat()); }

}  // namespace

// The rig read, tuned, lost and found again, against the real daemon (the
// main window's test has it followed as another program turns its knobs).
TEST(LienRadio, AvecRigctld) {
    Rigctld rig;
    LienRadio lien;
    lien.setUnite(250);
    lien.setIntervalle(200);
    lien.demarrer(QStringLiteral("127.0.0.1"), rig.port);
    ASSERT_TRUE(attendre([&] { return texte(lien) == "Radio : 145000.0 kHz FM"; })) << texte(lien).toStdString();

    // Tuned from here: the frequency, the mode, the passband set elsewhere kept.
    ASSERT_EQ(rig.commande("M CW 500"), "RPRT 0");
    ASSERT_TRUE(lien.regler(14025000, QStringLiteral("USB")));
    EXPECT_TRUE(attendre([&] { return rig.commande("f") == "14025000" && rig.commande("m", 2) == "USB|500"; }, 1000))
        << rig.commande("f").toStdString() << " " << rig.commande("m", 2).toStdString();
    EXPECT_FALSE(lien.regler(14025000, QStringLiteral("USB\nQ")));

    // The daemon dies: the wait is told; back, it is read again without a call.
    rig.tuer();
    ASSERT_TRUE(attendre([&] { return texte(lien).startsWith("Radio : non connectée, nouvelle tentative dans "); }))
        << texte(lien).toStdString();
    EXPECT_FALSE(lien.regler(7012000, QStringLiteral("CW")));
    rig.demarrer();
    EXPECT_TRUE(attendre([&] { return texte(lien) == "Radio : 145000.0 kHz FM"; }, 5000)) << texte(lien).toStdString();
}

// Daemons that misbehave: the link never hangs, never keeps a flood, and
// says the rig does not answer.
TEST(LienRadio, DemonsHostiles) {
    // Out of step, a daemon costs its connection: at once when a line says so, after the reply's second otherwise.
    enum class Coupure { Aucune, AuDelai, Aussitot };
    struct Cas {
        const char* nom;
        std::function<void(QTcpSocket*, const QByteArray&)> repondre;
        const char* texte;  // the status text, or how it starts
        Coupure coupure;
    };
    const Cas cas[] = {
        {"muet", [](QTcpSocket*, const QByteArray&) {}, "Radio : pas de réponse", Coupure::AuDelai},
        {"refus", [](QTcpSocket* s, const QByteArray&) { s->write("RPRT -11\n"); }, "Radio : pas de réponse",
         Coupure::Aucune},
        {"demi-lignes",
         [](QTcpSocket* s, const QByteArray& c) {
             s->write(c == "f" ? "1402" : "C");
             QTimer::singleShot(10, s, [s, c] { s->write(c == "f" ? "5000\r\n" : "W\r\n50"); });
             QTimer::singleShot(20, s, [s, c] { s->write(c == "f" ? "" : "0\n"); });
         },
         "Radio : 14025.0 kHz CW", Coupure::Aucune},
        {"charabia", [](QTcpSocket* s, const QByteArray&) { s->write("\xff\xfe\x01 charabia\n"); },
         "Radio : pas de réponse", Coupure::Aussitot},
        {"ligne de 1 Mo", [](QTcpSocket* s, const QByteArray&) { s->write(QByteArray(1 << 20, '7')); },
         "Radio : pas de réponse", Coupure::Aussitot},
        {"en trop", [](QTcpSocket* s, const QByteArray& c) { s->write(c == "f" ? "14025000\n" : "CW\n500\nRPRT 0\n"); },
         "Radio : 14025.0 kHz", Coupure::Aussitot},  // read between two connections
    };
    for (const Cas& c : cas) {
        QTcpServer serveur;
        serveur.listen(QHostAddress::LocalHost);
        QList<qint64> coupures;  // ms from the daemon's last line to the end of its connection
        bool fin = false;
        QObject::connect(&serveur, &QTcpServer::newConnection, [&] {
            while (QTcpSocket* s = serveur.nextPendingConnection()) {
                auto depuis = std::make_shared<QElapsedTimer>();
                QObject::connect(s, &QTcpSocket::readyRead, s, [s, &c, depuis] {
                    while (s->canReadLine()) c.repondre(s, s->readLine().trimmed());
                    depuis->start();
                });
                QObject::connect(s, &QTcpSocket::disconnected, s, [&, depuis] {
                    if (!fin) coupures << depuis->elapsed();
                });
            }
        });
        LienRadio lien;
        lien.setUnite(200);
        lien.setIntervalle(200);
        lien.demarrer(QStringLiteral("127.0.0.1"), serveur.serverPort());
        EXPECT_TRUE(attendre([&] { return texte(lien).startsWith(QString::fromUtf8(c.texte)); }, 2000))
            << c.nom << ": " << texte(lien).toStdString();
        QTest::qWait(200);
        EXPECT_TRUE(texte(lien).startsWith(QString::fromUtf8(c.texte))) << c.nom << ": " << texte(lien).toStdString();
        fin = true;
        lien.arreter();
        const Coupure coupure = coupures.isEmpty()                                          ? Coupure::Aucune
                                : *std::max_element(coupures.begin(), coupures.end()) < 100 ? Coupure::Aussitot
                                                                                            : Coupure::AuDelai;
        EXPECT_EQ(coupure, c.coupure) << c.nom << ": " << coupures.size() << " "
                                      << (coupures.isEmpty() ? 0 : coupures.first());
    }
}

// The settings choose the rig: Vitralog's own rigctld for a model, a spot
// that tunes it, and no daemon left once the settings let go.
TEST(PosteRadio, DemonLanceParVitralog) {
    TestEnv env;
    PosteRadio poste(*env.settings);
    QSignalSpy textes(&poste, &PosteRadio::texteChange);
    poste.appliquerReglages();
    EXPECT_EQ(poste.texte(), "");
    EXPECT_FALSE(poste.reglerSpot(14025.0, "DCF-018"));

    env.settings->write(Reglages::App, Reglages::Global, Reglages::RadioModele, "1");
    env.settings->write(Reglages::App, Reglages::Global, Reglages::RadioIntervalle, "200");
    poste.appliquerReglages();
    ASSERT_TRUE(attendre([&] { return poste.texte() == "Radio : 145000.0 kHz FM"; })) << poste.texte().toStdString();
    EXPECT_EQ(rigctldEnfants(), 1);
    EXPECT_EQ(textes.first().at(0).toString(), "Radio : connexion…");

    ASSERT_TRUE(poste.reglerSpot(14025.0, "DCF-018 tnx"));
    ASSERT_TRUE(attendre([&] { return poste.texte() == "Radio : 14025.0 kHz CW"; })) << poste.texte().toStdString();

    // Settings that do not change keep the daemon; an invalid address stops it.
    poste.appliquerReglages();
    EXPECT_EQ(poste.texte(), "Radio : 14025.0 kHz CW");
    env.settings->write(Reglages::App, Reglages::Global, Reglages::RadioAdresse, "hote:99999");
    poste.appliquerReglages();
    EXPECT_EQ(poste.texte(), "Radio : réglage « hote:99999 » invalide");
    EXPECT_TRUE(attendre([] { return rigctldEnfants() == 0; }));

    // Not installed: said in the status text, and nothing else tried.
    env.settings->write(Reglages::App, Reglages::Global, Reglages::RadioAdresse, "");
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", env.dir.path().toLocal8Bit());
    poste.appliquerReglages();
    qputenv("PATH", path);
    EXPECT_EQ(poste.texte(), "Radio : rigctld est introuvable : installez le paquet libhamlib-utils");
}
