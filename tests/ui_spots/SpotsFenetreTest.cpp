#include <sys/prctl.h>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QHeaderView>
#include <QProcess>
#include <QTableView>
#include <QTcpServer>
#include <QTcpSocket>
#include <csignal>

#include "platform/LienCluster.h"
#include "support/FenetreTest.h"
#include "ui/SignalerSpot.h"
#include "ui/SpotsDCF.h"
#include "ui/diplomes/FenetreCarte.h"

namespace {

// A session bus of this program's own, set before anything reaches for one:
// the alerts of these tests never show on the desktop of whoever runs them.
struct BusPrive : ::testing::Environment {
    void SetUp() override {
        dossier = std::make_unique<QTemporaryDir>();
        const QString config = dossier->filePath("bus.conf");
        // No service directories: nothing is started on demand.
        ecrireFichier(config,
                      "<busconfig><type>session</type><listen>unix:tmpdir=" + dossier->path().toUtf8() +
                          "</listen><auth>EXTERNAL</auth><policy context=\"default\"><allow send_destination=\"*\"/>"
                          "<allow receive_sender=\"*\"/><allow own=\"*\"/></policy></busconfig>");
        demon = std::make_unique<QProcess>();
        // A test that crashes takes its bus with it.
        demon->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
        demon->start("dbus-daemon", {"--config-file=" + config, "--print-address", "--nofork"});
        ASSERT_TRUE(demon->waitForReadyRead(5000))
            << "dbus-daemon (paquet dbus) : " << demon->errorString().toStdString();
        qputenv("DBUS_SESSION_BUS_ADDRESS", demon->readLine().trimmed());
    }
    void TearDown() override {
        demon->kill();
        demon->waitForFinished();
    }
    std::unique_ptr<QTemporaryDir> dossier;
    std::unique_ptr<QProcess> demon;
};
const auto* const busPrive = ::testing::AddGlobalTestEnvironment(new BusPrive);

// The desktop's notification service, as the bus sees it.
class ServiceNotifications : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    QStringList recues;
public slots:
    uint Notify(const QString& application, uint, const QString&, const QString& titre, const QString& texte,
                const QStringList&, const QVariantMap&, int) {
        recues << application + " | " + titre + " | " + texte;
        return uint(recues.size());
    }
};

// A DX-cluster node on the loopback: a banner and a prompt at each
// connection, then whatever the test sends.
struct NoeudFactice {
    QTcpServer serveur;
    QTcpSocket* client = nullptr;
    QByteArray recu;
    int connexions = 0;

    NoeudFactice() {
        serveur.listen(QHostAddress::LocalHost);
        QObject::connect(&serveur, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* s = serveur.nextPendingConnection()) {
                ++connexions;
                recu.clear();
                client = s;
                QObject::connect(s, &QTcpSocket::readyRead, [this, s] { recu += s->readAll(); });
                s->write("Bienvenue sur le noeud de test\r\nlogin: ");
            }
        });
    }
    QString adresse() const { return QStringLiteral("127.0.0.1:%1").arg(serveur.serverPort()); }
};

bool attendre(const std::function<bool()>& vrai) { return QTest::qWaitFor(vrai, 5000); }

QStringList colonne(const QAbstractItemModel* m, int c, int role = Qt::DisplayRole) {
    QStringList l;
    for (int r = 0; r < m->rowCount(); ++r) l << m->index(r, c).data(role).toString();
    return l;
}

// A window of station F5ABC/P logged in to its node.
class SpotsFenetre : public ::testing::Test {
protected:
    TestEnv env;
    NoeudFactice noeud;
    std::unique_ptr<SpotsDCF> w;
    QAbstractItemModel* m = nullptr;

    void ouvrir(const QStringList& log, bool connecter = true) {
        env.station("F5ABC_P", log);
        env.writeFile("Liste_DCF.csv",
                      "Rev 004 du 01/02/24;;;;\r\nDCF-003;Bourges;18;Saint-Etienne;\r\n"
                      "DCF-018;Troyes;10;Saint-Pierre;\r\n");
        w = std::make_unique<SpotsDCF>(env.ctx);
        w->demanderAdresse = [this](const QString&) { return noeud.adresse(); };
        m = dans<QTableView>(w.get(), "listeSpots")->model();
        w->show();
        if (connecter) connexion();
    }
    void connexion() {
        w->demarrer();
        ASSERT_TRUE(attendre([&] { return noeud.recu == "F5ABC/P\r\n"; }));
    }
    void envoyer(const QByteArray& lignes, int lignesVues) {
        noeud.client->write(lignes);
        ASSERT_TRUE(attendre([&] { return m->rowCount() == lignesVues; })) << colonne(m, 3).join(' ').toStdString();
    }
    SignalerSpot* dialogue() { return w->findChild<SignalerSpot*>(); }
};

}  // namespace

TEST_F(SpotsFenetre, DuNoeudAuQso) {
    ouvrir({ligne("F6AAA", "18", "JEAN", "DCF-002", "01/01/24", "10:01", "CW", "7.0 Mhz")}, false);
    // No node yet: asked for one, a bad answer is refused and not kept; "Nœud…" asks again.
    QStringList demandes;
    w->demanderAdresse = [&](const QString& a) {
        return (demandes << a).size() == 1 ? QStringLiteral("noeud sans port:") : noeud.adresse();
    };
    auto* lien = dans<LienCluster>(w.get(), "lien");
    lien->setUnite(10);  // a "second" of the waits lasts 10 ms
    QStringList etats;
    QObject::connect(lien, &LienCluster::etatChange, [&](const QString& e) { etats << e; });
    w->demarrer();
    EXPECT_EQ(
        env.dialogs.notices << env.settings->read(Reglages::App, Reglages::Global, Reglages::NoeudCluster, "rien"),
        QStringList({"Adresse de nœud invalide : noeud sans port: (attendu : hôte:port)", "rien"}));
    dans<QPushButton>(w.get(), "boutonNoeud")->click();

    // Login on the prompt with the callsign as shown; a telnet option request is refused.
    ASSERT_TRUE(attendre([&] { return noeud.recu == "F5ABC/P\r\n"; })) << noeud.recu.toStdString();
    EXPECT_EQ(env.settings->read(Reglages::App, Reglages::Global, Reglages::NoeudCluster, "") + " " +
                  dans<QLabel>(w.get(), "etatLien")->text(),
              noeud.adresse() + " Connecté à " + noeud.adresse());
    noeud.client->write("\xff\xfd\x01");
    ASSERT_TRUE(attendre([&] { return noeud.recu.endsWith("\xff\xfc\x01"); }));

    // A Contactée, then a Nouvelle in two pieces, ranked first with the name and département of the list.
    noeud.client->write("DX de F5XYZ:  7020.0  F6CCC  DCF-002  1200Z\r\nDX de K1TTT: 14030.0 F6DDD dcf003 ");
    QTest::qWait(30);
    envoyer("tnx 1203Z JN18\r\n", 2);
    QStringList vue{colonne(m, 3).join(' '), m->index(1, 8).data().toString(), w->windowTitle(),
                    m->index(0, 0).data(Qt::BackgroundRole).value<QColor>().name()};
    for (int c = 0; c < m->columnCount(); ++c) vue << m->index(0, c).data().toString();
    EXPECT_EQ(vue.join('|'), "F6DDD F6CCC|Contactée|Spots DCF — 1 nouvelle|" + FenetreCarte::JaunePale.name() +
                                 "|12:03|14030.0|14 Mhz|F6DDD|DCF-003|C. Saint-Etienne à Bourges|18|K1TTT|Nouvelle|"
                                 "dcf003 tnx");

    // A click on a header sorts by its column.
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    QHeaderView* entete = dans<QTableView>(w.get(), "listeSpots")->horizontalHeader();
    QTest::mouseClick(entete->viewport(), Qt::LeftButton, {},
                      {entete->sectionViewportPosition(1) + entete->sectionSize(1) / 2, entete->height() / 2});
    EXPECT_EQ(colonne(m, 3), QStringList({"F6CCC", "F6DDD"}));

    dans<QCheckBox>(w.get(), "nouvellesSeulement")->click();
    EXPECT_EQ(colonne(m, 3), QStringList({"F6DDD"}));

    // A save elsewhere turns the new reference into a worked one: gone from the new ones.
    ASSERT_TRUE(
        env.carnet
            .ajouterEnFin({"F6DDD", "18", "", "DCF-003", "01/01/24", "12:04", "CW", "14 Mhz", "599", "599", "", " "})
            .fait());
    EXPECT_EQ(colonne(m, 8) << w->windowTitle(), QStringList({"Spots DCF"}));

    // A node that closes: a wait, then a new login at the stored address.
    noeud.client->close();
    ASSERT_TRUE(attendre([&] { return noeud.connexions == 2 && noeud.recu == "F5ABC/P\r\n"; }));
    EXPECT_TRUE(etats.contains("Déconnecté, nouvelle tentative dans 5 s") && demandes == QStringList({"", ""}))
        << etats.join('|').toStdString();
}

// "Signaler…" fills the dialog and sends one line to the node; refused offline
// and for the same callsign and reference within 5 minutes.
TEST_F(SpotsFenetre, Signaler) {
    ouvrir({ligne("F5ABC", "10", "PIERRE", "DCF-018", "01/01/24", "10:05", "CW", "14 Mhz")}, false);
    auto champs = [&] {
        QStringList l;
        for (const char* c : {"champFrequence", "champIndicatif", "champReference", "champCommentaire"})
            l << dans<QLineEdit>(dialogue(), c)->text();
        return l;
    };

    // The last QSO saved, no spot of it yet: no frequency; not connected.
    dans<QPushButton>(w.get(), "boutonSignaler")->click();
    ASSERT_NE(dialogue(), nullptr);
    EXPECT_EQ(champs(), QStringList({"", "F5ABC", "DCF-018", "DCF-018 C. Saint-Pierre a Troy"}));
    dans<QLineEdit>(dialogue(), "champFrequence")->setText("14025");
    dans<QPushButton>(dialogue(), "boutonEnvoyer")->click();
    EXPECT_EQ(env.dialogs.notices, QStringList({"Pas de connexion au nœud DX-cluster : le spot n'est pas envoyé"}));
    ASSERT_TRUE(dialogue()->isVisible());

    connexion();
    dans<QPushButton>(dialogue(), "boutonEnvoyer")->click();
    ASSERT_TRUE(
        attendre([&] { return noeud.recu == "F5ABC/P\r\nDX 14025.0 F5ABC DCF-018 C. Saint-Pierre a Troy\r\n"; }));
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(dialogue(), nullptr);

    // Again from the entry form with the rig's frequency, 4 minutes later: refused.
    env.clock.utc = env.clock.utc.addSecs(4 * 60);
    w->signaler("f5abc", "dcf018", 14026);
    EXPECT_EQ(champs().first(2), QStringList({"14026.0", "F5ABC"}));
    dans<QPushButton>(dialogue(), "boutonEnvoyer")->click();
    // Another reference typed: the comment follows it.
    auto* reference = dans<QLineEdit>(dialogue(), "champReference");
    reference->clear();
    QTest::keyClicks(reference, "dcf-003");
    EXPECT_EQ(champs().last(), "DCF-003 C. Saint-Etienne a Bou");
    EXPECT_EQ(env.dialogs.notices.mid(1),
              QStringList({"F5ABC sur DCF-018 a déjà été signalé il y a moins de 5 minutes"}));
    QTest::qWait(50);
    EXPECT_EQ(noeud.recu, "F5ABC/P\r\nDX 14025.0 F5ABC DCF-018 C. Saint-Pierre a Troy\r\n");
}

// Ages by the context's clock: grey past 30 minutes, gone past the hour.
TEST_F(SpotsFenetre, AgeDesSpots) {
    ouvrir({});
    envoyer("DX de F5XYZ: 14030.0 F6AAA DCF-003 1000Z\r\n", 1);
    env.clock.utc = env.clock.utc.addSecs(20 * 60);
    envoyer("DX de F5XYZ: 14030.0 F6BBB DCF-018 1020Z\r\n", 2);
    env.clock.utc = env.clock.utc.addSecs(11 * 60);
    w->vieillir();
    EXPECT_EQ(colonne(m, 3) + colonne(m, 0, Qt::ForegroundRole), QStringList({"F6BBB", "F6AAA", "", "#808080"}));
    env.clock.utc = env.clock.utc.addSecs(30 * 60);
    w->vieillir();
    EXPECT_EQ(colonne(m, 3) + colonne(m, 0, Qt::ForegroundRole) << w->windowTitle(),
              QStringList({"F6BBB", "#808080", "Spots DCF — 1 nouvelle"}));
}

// A desktop alert for each spot of a reference never worked: once per
// reference and band an hour, none with "Alertes" off, silent without a service.
TEST_F(SpotsFenetre, Alertes) {
    ouvrir({ligne("F6AAA", "18", "JEAN", "DCF-001", "01/01/24", "10:00", "CW", "14 Mhz")});
    envoyer("DX de F5XYZ: 14030.0 F6ZZZ DCF-005 1159Z\r\n", 1);
    // No service yet: this round trip on the window's connection comes after its alert.
    ASSERT_FALSE(QDBusConnection::sessionBus().interface()->isServiceRegistered("org.freedesktop.Notifications"));

    ServiceNotifications service;
    QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "service");
    ASSERT_TRUE(bus.registerObject("/org/freedesktop/Notifications", &service, QDBusConnection::ExportAllSlots));
    ASSERT_TRUE(bus.registerService("org.freedesktop.Notifications"));
    ASSERT_TRUE(QDBusConnection::sessionBus().interface()->isServiceRegistered("org.freedesktop.Notifications"));

    envoyer(
        "DX de F5XYZ: 14030.0 F6DDD DCF-003 1200Z\r\nDX de K1TTT: 14031.0 F6EEE DCF-003 1201Z\r\n"
        "DX de F5XYZ: 14025.0 F6AAA DCF-001 1202Z\r\nDX de F5XYZ: 7030.0 F6DDD DCF-003 1203Z\r\n",
        5);
    ASSERT_TRUE(attendre([&] { return service.recues.size() == 2; }));

    auto* alertes = dans<QCheckBox>(w.get(), "alertes");
    alertes->click();
    EXPECT_EQ(env.settings->read(Reglages::App, Reglages::Global, Reglages::AlertesSpots, ""), "Non");
    EXPECT_FALSE(dans<QCheckBox>(std::make_unique<SpotsDCF>(env.ctx).get(), "alertes")->isChecked());
    envoyer("DX de F5XYZ: 10120.0 F6FFF DBF-012B 1204Z\r\n", 6);
    alertes->click();
    env.clock.utc = env.clock.utc.addSecs(3601);
    envoyer("DX de F5XYZ: 14030.0 F6DDD DCF-003 1300Z\r\n", 1);
    ASSERT_TRUE(attendre([&] { return service.recues.size() == 3; }));
    EXPECT_EQ(service.recues << env.dialogs.notices,
              QStringList({"Vitralog | Nouvelle cathédrale | DCF-003 C. Saint-Etienne à Bourges sur 14 Mhz : F6DDD",
                           "Vitralog | Nouvelle cathédrale | DCF-003 C. Saint-Etienne à Bourges sur 7.0 Mhz : F6DDD",
                           "Vitralog | Nouvelle cathédrale | DCF-003 C. Saint-Etienne à Bourges sur 14 Mhz : F6DDD"}));
    bus.unregisterService("org.freedesktop.Notifications");
    QDBusConnection::disconnectFromBus("service");
}

#include "SpotsFenetreTest.moc"
