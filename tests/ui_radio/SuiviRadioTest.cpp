#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "core/Reglages.h"
#include "support/FenetreTest.h"
#include "support/Rigctld.h"

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

}  // namespace
