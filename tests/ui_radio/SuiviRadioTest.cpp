#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

#include "core/Reglages.h"
#include "support/FenetreTest.h"
#include "support/Rigctld.h"
#include "ui/SpotsDCF.h"

namespace {

class SuiviRadio : public FenetreTest {
protected:
    Rigctld rig;
    void SetUp() override {
        env.settings->write(Reglages::App, Reglages::Global, Reglages::RadioAdresse,
                            "127.0.0.1:" + QString::number(rig.port));
        ouvrir();
    }
    QString etat() { return c<QLabel>("etatRadio")->text(); }
    QStringList formulaire() {
        return {c<QComboBox>("choixBande")->currentText(), c<QComboBox>("choixMode")->currentText(),
                c("champRstRecu")->text(), c("champRstEnvoye")->text()};
    }
};

// Another program turns the rig: the label, the band, the mode and its
// reports follow; a band chosen by hand holds until the QSO is cleared; the
// rig killed and started again comes back without a click.
TEST_F(SuiviRadio, TheFormFollowsTheRigUntilTheOperatorChoosesAndTheLinkComesBack) {
    ASSERT_TRUE(attendre([&] { return etat() == "Radio : 145000.0 kHz FM"; })) << etat().toStdString();
    rig.commande("F 7012000");
    rig.commande("M CW 500");
    ASSERT_TRUE(attendre(
        [&] {
            return formulaire() == QStringList({"7.0 Mhz", "CW", "599", "599"});
        },
        1500))
        << formulaire().join('|').toStdString();
    EXPECT_EQ(etat(), "Radio : 7012.0 kHz CW");
    EXPECT_EQ(env.settings->read(Reglages::App, env.ctx.stationSection(), Reglages::Bande, {}), "2");

    // The operator picks a band: the rig's next frequency leaves it.
    QComboBox* bande = c<QComboBox>("choixBande");
    bande->setFocus();
    QTest::keyClick(bande, Qt::Key_Down);
    const QString choisie = bande->currentText();
    rig.commande("F 14025000");
    ASSERT_TRUE(attendre([&] { return etat() == "Radio : 14025.0 kHz CW"; }));
    EXPECT_EQ(bande->currentText(), choisie);
    QTest::mouseClick(c<QPushButton>("boutonEffacer"), Qt::LeftButton);
    EXPECT_EQ(bande->currentText(), "14 Mhz");

    rig.tuer();
    ASSERT_TRUE(attendre([&] { return etat().startsWith("Radio : non connectée, nouvelle tentative dans "); }, 4000))
        << etat().toStdString();
    rig.demarrer();
    EXPECT_TRUE(attendre([&] { return etat().startsWith("Radio : 145000.0 kHz"); }, 5000)) << etat().toStdString();
}

// A double click on a spot of 14025.0 kHz whose comment names CW leaves the
// rig there, in CW: the spots window of the real main window, a node of ours.
TEST_F(SuiviRadio, ADoubleClickOnASpotTunesTheRig) {
    QTcpServer noeud;
    ASSERT_TRUE(noeud.listen(QHostAddress::LocalHost));
    QTcpSocket* client = nullptr;
    QObject::connect(&noeud, &QTcpServer::newConnection, [&] {
        client = noeud.nextPendingConnection();
        client->write("login: ");
    });
    env.settings->write(Reglages::App, Reglages::Global, Reglages::NoeudCluster,
                        "127.0.0.1:" + QString::number(noeud.serverPort()));
    env.writeFile("Liste_DCF.csv", "Rev 004 du 01/02/24;;;;\r\nDCF-018;Troyes;10;Saint-Pierre;\r\n");
    ASSERT_TRUE(attendre([&] { return etat() == "Radio : 145000.0 kHz FM"; }));
    main->findChild<QAction*>("actionSpots")->trigger();
    SpotsDCF* spots = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* s = qobject_cast<SpotsDCF*>(w)) spots = s;
    ASSERT_NE(spots, nullptr);
    QByteArray recu;
    ASSERT_TRUE(attendre([&] {
        if (client) recu += client->readAll();
        return recu.endsWith("\r\n");  // logged in
    }));
    client->write("DX de F5XYZ:     14025.0  F6ABC        DCF-018 CW                     1234Z\r\n");
    auto* liste = spots->findChild<QTableView*>("listeSpots");
    ASSERT_TRUE(attendre([&] { return liste->model()->rowCount() == 1; }));
    const QRect place = liste->visualRect(liste->model()->index(0, 0));
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, place.center());  // a double click comes after a click
    QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, place.center());
    EXPECT_TRUE(attendre([&] { return rig.commande("f") == "14025000" && rig.commande("m", 2).startsWith("CW|"); }))
        << rig.commande("f").toStdString() << " " << rig.commande("m", 2).toStdString();
}

}  // namespace
