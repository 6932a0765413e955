#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <gtest/gtest.h>

#include "core/Reglages.h"
#include "platform/LienCluster.h"
#include "support/Doubles.h"
#include "ui/SpotsDCF.h"
#include "ui/diplomes/Carte_Acti_DCF.h"

namespace {

// A DX-cluster node on the loopback: a banner and a prompt at each
// connection, then whatever the test sends.
struct NoeudFactice {
    QTcpServer serveur;
    QTcpSocket* client = nullptr;
    QByteArray recu;
    int connexions = 0;
    bool refuser = false;  // close each new connection at once

    NoeudFactice() {
        serveur.listen(QHostAddress::LocalHost);
        QObject::connect(&serveur, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* s = serveur.nextPendingConnection()) {
                ++connexions;
                recu.clear();
                if (refuser) s->close();
                if (refuser) continue;
                client = s;
                QObject::connect(s, &QTcpSocket::readyRead, [this, s] { recu += s->readAll(); });
                s->write("Bienvenue sur le noeud de test\r\nlogin: ");
            }
        });
    }
    QString adresse() const { return QStringLiteral("127.0.0.1:%1").arg(serveur.serverPort()); }
};

bool attendre(const std::function<bool()>& vrai) { return QTest::qWaitFor(vrai, 5000); }

}  // namespace

TEST(SpotsFenetre, DuNoeudAuQso) {
    TestEnv env;
    env.station("F5ABC_P", {ligne("F6AAA", "18", "JEAN", "DCF-001", "01/01/24", "10:00", "CW", "14 Mhz", "", true),
                            ligne("F6AAA", "18", "JEAN", "DCF-002", "01/01/24", "10:01", "CW", "7.0 Mhz")});
    env.writeFile("Liste_DCF.csv", "Rev 004 du 01/02/24;;;;\r\nDCF-003;Bourges;18;Saint-Etienne;\r\n");
    NoeudFactice noeud;
    SpotsDCF w(env.ctx);
    // No node yet: asked for one, a bad answer is refused and not kept; "Nœud…" asks again.
    QStringList demandes;
    w.demanderAdresse = [&](const QString& a) { return (demandes << a).size() == 1 ? QStringLiteral("noeud sans port:") : noeud.adresse(); };
    w.lien->setUnite(10);  // a "second" of the waits lasts 10 ms
    QStringList etats;
    QObject::connect(w.lien, &LienCluster::etatChange, [&](const QString& e) { etats << e; });
    w.show();
    w.demarrer();
    EXPECT_EQ(env.dialogs.notices << env.settings->read(Keys::App, Keys::Global, Keys::NoeudCluster, "rien"),
              QStringList({"Adresse de nœud invalide : noeud sans port: (attendu : hôte:port)", "rien"}));
    w.Changer_Noeud->click();

    // Login on the prompt with the callsign as shown; a telnet option request is refused.
    ASSERT_TRUE(attendre([&] { return noeud.recu == "F5ABC/P\r\n"; })) << noeud.recu.toStdString();
    EXPECT_EQ(env.settings->read(Keys::App, Keys::Global, Keys::NoeudCluster, "") + " " + w.Etat_Lien->text(),
              noeud.adresse() + " Connecté à " + noeud.adresse());
    noeud.client->write("\xff\xfd\x01");
    ASSERT_TRUE(attendre([&] { return noeud.recu.endsWith("\xff\xfc\x01"); }));

    // A line in two pieces, telnet bytes and noise between the spots.
    auto* m = w.Liste_Spots->model();
    noeud.client->write("DX de F5XYZ:     14025.0  F6AAA        DCF-001 CW               1200Z\r\n"
                  "DX de F5XYZ:  7012.0  F6BBB  qrv dcf001  1201Z\r\nDX de F5XYZ:  7020.0  F6CCC  DCF-002 ");
    QTest::qWait(30);
    static const char dechets[] = "\0\xff\xff\x01\x02garbage\r\n";
    noeud.client->write("1202Z\r\n" + QByteArray(dechets, sizeof dechets - 1) + "DX de F5XYZ: 14030.0 F6ZZZ DCF-009 " +
                  QByteArray(3000, 'x') + " 1203Z\r\n\aDX de K1TTT: 14030.0 F6DDD dcf003 tnx 1203Z JN18\r\n"
                  "DX de F5XYZ: 14030.0 F6GGG CQ 1206Z\r\nDX de F5XYZ: 5357.0 F6EEE DBF-004B 1204Z\n");
    auto cellule = [&](int r, int c) { return m->index(r, c).data().toString(); };
    auto colonne = [&](int c) { QStringList l; for (int r = 0; r < m->rowCount(); ++r) l << cellule(r, c); return l; };
    ASSERT_TRUE(attendre([&] { return m->rowCount() == 5; })) << colonne(3).join(" ").toStdString();
    auto fond = [&](int r) { return m->index(r, 0).data(Qt::BackgroundRole).value<QColor>().name(); };
    EXPECT_EQ(colonne(3) + colonne(8) + QStringList({cellule(1, 0), cellule(1, 1), cellule(1, 2), cellule(1, 4), cellule(1, 5), cellule(1, 6),
                                                     cellule(1, 7), cellule(0, 2), fond(4), fond(1), w.windowTitle()}),
              QStringList({"F6EEE", "F6DDD", "F6CCC", "F6BBB", "F6AAA", "Nouvelle", "Nouvelle", "Contactée", "Nouvelle bande", "Confirmée",
                           "12:03", "14030.0", "14 Mhz", "DCF-003", "C. Saint-Etienne à Bourges", "18", "K1TTT", "",
                           Carte_Acti_DCF::VertPale.name(), Carte_Acti_DCF::JaunePale.name(), "Spots DCF — 2 nouvelles"}));
    w.Nouvelles_Seulement->click();
    EXPECT_EQ(colonne(3), QStringList({"F6EEE", "F6DDD"}));
    w.Nouvelles_Seulement->click();

    // A save elsewhere turns the new reference into a worked one.
    ASSERT_TRUE(env.carnet.ajouterEnFin({"F6DDD", "18", "", "DCF-003", "01/01/24", "12:04", "CW", "14 Mhz", "599",
                                         "599", "", " "}).fait());
    EXPECT_EQ(cellule(1, 8) + " " + w.windowTitle(), "Contactée Spots DCF — 1 nouvelle");

    QSignalSpy choisi(&w, &SpotsDCF::spotChoisi);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    const QPoint p = w.Liste_Spots->visualRect(m->index(3, 3)).center();
    QTest::mouseClick(w.Liste_Spots->viewport(), Qt::LeftButton, {}, p);  // a double click comes after a click
    QTest::mouseDClick(w.Liste_Spots->viewport(), Qt::LeftButton, {}, p);
    EXPECT_EQ(choisi, QList<QVariantList>({{"7.0 Mhz", "F6BBB", "DCF-001"}}));

    // A node that closes: waits that grow while nothing comes, then a new login at the stored address.
    noeud.refuser = true;
    noeud.client->close();
    ASSERT_TRUE(attendre([&] { return noeud.connexions >= 3; }));
    noeud.refuser = false;
    ASSERT_TRUE(attendre([&] { return noeud.connexions == 4 && noeud.recu == "F5ABC/P\r\n"; }));
    EXPECT_TRUE(etats.contains("Déconnecté, nouvelle tentative dans 10 s") && !etats.contains("Déconnecté, nouvelle tentative dans 40 s") &&
                demandes == QStringList({"", ""}));

    // At most the last 500 spots are kept, newest first.
    QByteArray rafale;
    for (int i = 0; i < 600; ++i) rafale += QStringLiteral("DX de F5XYZ: 14030.0 F%1 DCF-003 1300Z\r\n").arg(i).toLatin1();
    noeud.client->write(rafale);
    ASSERT_TRUE(attendre([&] { return cellule(0, 3) == "F599"; }));
    EXPECT_EQ(colonne(3).mid(SpotsDCF::MaxSpots - 1) << w.windowTitle(), QStringList({"F100", "Spots DCF"}));

    // A node that goes silent is left and reached again.
    w.lien->setSilenceMax(20);
    noeud.client->write("\r\n");
    ASSERT_TRUE(attendre([&] { return noeud.connexions == 5; }));
}
