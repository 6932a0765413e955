#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

#include "core/Reglages.h"
#include "support/FenetreTest.h"
#include "ui/Saisie.h"

namespace {

// A station with one QSO on 14 Mhz, a reference list and a first-name memory.
class SaisieQso : public FenetreTest {
protected:
    void SetUp() override {
        env.station("F5XYZ", {ligne("F6AAA", "75", "", "DCF-012", "14/05/15", "10:00", "SSB", "14 Mhz")});
        env.writeFile("Liste_DCF.csv", "Rev 003 du 10/09/15;;;;\r\nDCF-001;Bourges;18;Saint-Etienne;\r\n");
        env.writeFile("Liste_Prenom.txt", "F6ABC        13 JEAN\r\n");
        env.settings->write(Reglages::App, "Setup F5XYZ", Reglages::Bande, "4");
        env.clock.utc = QDateTime(QDate(2026, 12, 6), QTime(10, 32, 17), Qt::UTC);
        ouvrir();
    }
    // The keyboard's click on the focused button or box.
    static void espace() { QTest::keyClick(focus(), Qt::Key_Space); }
};

}  // namespace

TEST_F(SaisieQso, OneQsoTypedFieldByFieldEndsAsTheBytesOfTheLog) {
    const QByteArray avant = env.readFile("F5XYZ_DCF.log");
    EXPECT_EQ(focus(), c("champIndicatif"));
    taper("f6abc");
    EXPECT_EQ(focus(), c("champPrenom"));
    taper();
    taper("dcf-001");
    EXPECT_EQ(focus(), c("champDepartement"));
    taper();  // automatic date: the clock fills date and time, then the mode
    EXPECT_EQ(focus(), c<QComboBox>("choixMode"));
    QTest::keyClick(focus(), Qt::Key_A, Qt::ControlModifier);
    taper("cw");
    EXPECT_EQ(env.ctx.readStation(Reglages::Mode, ""), "1");
    for (const char* n : {"champRstRecu", "champRstEnvoye", "champNom"}) {
        EXPECT_EQ(focus(), c(n));
        taper();
    }
    EXPECT_EQ(focus(), c<QCheckBox>("caseQsl"));
    espace();
    taper();
    EXPECT_EQ(focus(), c<QPushButton>("boutonValider"));
    espace();

    EXPECT_TRUE(messages().isEmpty());
    EXPECT_EQ(env.dialogs.questions, QStringList{"Voulez vous enregistrer ces données ?"});
    // The first name remembered, the name and département from the list, the clock's
    // date and time, the mode's reports.
    EXPECT_EQ(env.readFile("F5XYZ_DCF.log"),
              avant +
                  "F6ABC        18 JEAN            DCF-001 06/12/26 10:32 CW  14 Mhz  599 599 "
                  "C. SAINT-ETIENNE \xC0 BOURGES     *\r\n");
    EXPECT_EQ(env.readFile("Liste_Prenom.txt"), QByteArray("F6ABC        18 JEAN\r\n"));
    // Listed and selected; the form is ready for the next QSO.
    ASSERT_EQ(lignesListe(), 2);
    EXPECT_EQ(main->saisie().ligneSelectionnee(), ligneListe(1));
    EXPECT_TRUE(c("champIndicatif")->text().isEmpty());
    EXPECT_TRUE(c("champDate")->text().isEmpty());
    EXPECT_EQ(focus(), c("champIndicatif"));
}

TEST_F(SaisieQso, RefusalsKeepTheTextAndTheFocusAndAManualDateStays) {
    // A reference already worked on the band abandons the QSO.
    taper("f6abc");
    taper();
    taper("dcf-012");
    EXPECT_EQ(messages(), QStringList{"DCF-012 Cathédrale déja contacté le 14/05/15 sur 14 Mhz"});
    EXPECT_TRUE(c("champIndicatif")->text().isEmpty());
    EXPECT_EQ(focus(), c("champIndicatif"));

    c<QAction>("actionDateManuelle")->trigger();
    EXPECT_FALSE(c<QAction>("actionDateAutomatique")->isChecked());
    EXPECT_EQ(env.ctx.readStation(Reglages::DateAuto, ""), "Non");
    taper("f5abcdefghijk");
    EXPECT_EQ(messages(), QStringList{"12 caracteres maxi pour l'indicatif"});
    EXPECT_EQ(c("champIndicatif")->text(), "F5ABCDEFGHIJK");
    EXPECT_EQ(focus(), c("champIndicatif"));
    c("champIndicatif")->clear();
    for (const char* t : {"f6new", "", "dcf-001", ""}) taper(t);
    taper("31/02/15");
    EXPECT_EQ(messages(), QStringList{"Le format de la date doit etre JJ/MM/AA"});
    EXPECT_EQ(focus(), c("champDate"));
    c("champDate")->clear();
    for (const char* t : {"29/02/16", "23:59", "", "", "", "", ""}) taper(t);
    espace();
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_TRUE(log().last().startsWith("F6NEW        18                 DCF-001 29/02/16 23:59 SSB"));
    EXPECT_EQ(c("champDate")->text(), "29/02/16");
}
