#include <QDialogButtonBox>
#include <QRadioButton>
#include <QTableView>
#include <QTreeView>

#include "platform/LienCluster.h"
#include "support/FenetreTest.h"
#include "support/Rigctld.h"
#include "ui/DialogueRadio.h"
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

void valider(QDialog& d) { dans<QDialogButtonBox>(&d, "boutons")->buttons().first()->click(); }

QStringList reglages(TestEnv& env) {
    QStringList v;
    for (const QString& cle :
         {Reglages::RadioAdresse, Reglages::RadioModele, Reglages::RadioPort, Reglages::RadioVitesse})
        v << env.settings->read(Reglages::App, Reglages::Global, cle, QStringLiteral("-"));
    return v;
}

}  // namespace

// Another program turns the rig: the label, the band, the mode and its
// reports follow; a band chosen by hand holds until the QSO is cleared. A
// double click on a spot whose comment names CW leaves the rig there, in CW:
// the spots window of the real main window, its node silent.
TEST_F(SuiviRadio, TheFormFollowsTheRigUntilTheOperatorChoosesABandAndASpotTunesIt) {
    rig.commande("F 7012000");
    rig.commande("M CW 500");
    const QStringList suivi{"7.0 Mhz", "CW", "599", "599"};
    ASSERT_TRUE(attendre([&] { return formulaire() == suivi; })) << formulaire().join('|').toStdString();
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

    env.settings->write(Reglages::App, Reglages::Global, Reglages::NoeudCluster, "127.0.0.1:1");
    c<QAction>("actionSpots")->trigger();
    SpotsDCF* spots = Windows::ouverte<SpotsDCF>();
    ASSERT_NE(spots, nullptr);
    emit dans<LienCluster>(spots, "lien")->ligneRecue("DX de F5XYZ: 10120.0 F6ABC DCF-018 CW 1234Z");
    cliquer(dans<QTableView>(spots, "listeSpots"), 0, true);
    EXPECT_TRUE(attendre([&] { return etat() == "Radio : 10120.0 kHz CW"; })) << etat().toStdString();
}

// A model found by maker and model among those rigctl lists, its device and
// speed stored; the dialog opened again shows them.
TEST(DialogueRadio, ModeleDeLaListe) {
    TestEnv env;
    DialogueRadio d(*env.settings, env.dialogs);
    auto* liste = dans<QTreeView>(&d, "listeModeles");
    ASSERT_TRUE(QTest::qWaitFor([&] { return liste->model()->rowCount() > 100; }, 5000));
    EXPECT_TRUE(dans<QRadioButton>(&d, "choixAucune")->isChecked());
    QTest::keyClicks(dans<QLineEdit>(&d, "champRecherche"), "icom 7300");
    ASSERT_EQ(liste->model()->rowCount(), 1);
    liste->setCurrentIndex(liste->model()->index(0, 0));
    EXPECT_TRUE(dans<QRadioButton>(&d, "choixModele")->isChecked());
    dans<QComboBox>(&d, "champPort")->setCurrentText("/dev/ttyUSB0");
    dans<QComboBox>(&d, "champVitesse")->setCurrentText("19200");
    valider(d);
    EXPECT_EQ(reglages(env), QStringList({"", "3073", "/dev/ttyUSB0", "19200"}));

    DialogueRadio rouvert(*env.settings, env.dialogs);
    liste = dans<QTreeView>(&rouvert, "listeModeles");
    ASSERT_TRUE(QTest::qWaitFor([&] { return liste->currentIndex().isValid(); }, 5000));
    EXPECT_EQ(liste->currentIndex().siblingAtColumn(1).data().toString(), "IC-7300");
    EXPECT_TRUE(dans<QRadioButton>(&rouvert, "choixModele")->isChecked());
    EXPECT_EQ(dans<QComboBox>(&rouvert, "champVitesse")->currentText(), "19200");
}

// Without Hamlib's tools the dialog says which package to install and a
// model cannot be chosen; an address that does not read is refused with its
// message: the settings stay as they were. A good one replaces the model.
TEST(DialogueRadio, RefusPuisAdresse) {
    TestEnv env;
    env.settings->write(Reglages::App, Reglages::Global, Reglages::RadioModele, "1");
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", env.dir.path().toLocal8Bit());
    DialogueRadio d(*env.settings, env.dialogs);
    const QString message = "rigctld est introuvable : installez le paquet libhamlib-utils";
    EXPECT_EQ(dans<QLabel>(&d, "messageModeles")->text(), message);
    valider(d);
    QTest::keyClicks(dans<QLineEdit>(&d, "champAdresse"), "shack:99999");
    valider(d);
    qputenv("PATH", path);
    EXPECT_EQ(env.dialogs.notices,
              QStringList({message, "Adresse de rigctld invalide : indiquez hôte:port, par exemple 127.0.0.1:4532"}));
    EXPECT_EQ(reglages(env), QStringList({"-", "1", "-", "-"}));
    dans<QLineEdit>(&d, "champAdresse")->setText("shack:4532");
    valider(d);
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(reglages(env), QStringList({"shack:4532", "", "-", "-"}));
}
