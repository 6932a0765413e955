#include <QAction>
#include <QDir>
#include <QFile>
#include <QTest>
#include <gtest/gtest.h>

#include "ui/Main.h"
#include "core/adif/Adif.h"
#include "ui/ExportAdif.h"
#include "core/journal/TextFile.h"
#include "support/Doubles.h"

namespace {

QByteArray fixture(const QString& name) {
    QFile f(QStringLiteral(VITRALOG_TEST_DATA "/export/") + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const QString kSucces = QStringLiteral("Le fichier a été enregistré sous le nom : F5XYZ_DCF.adi");

}  // namespace

TEST(Adif, RecordOfTheExampleQso) {
    const QString l = ligne("FXXXX", "75", "", "DCF-001", "15/06/21", "14:32", "SSB", "14 Mhz", "C. DE PARIS", true);
    EXPECT_EQ(Adif::ADIF_SP(l),
              "<CALL:5>FXXXX <STATE:2>75 <NAME:0> <SIG:7>DCF-001 <QSO_DATE:8>20210615 <TIME_ON:4>1432 "
              "<MODE:3>SSB <BAND:3>20m <RST_RCVD:2>59 <RST_SENT:2>59 <SIG_INFO:11>C. DE PARIS <QSL_RCVD:1>Y<eor>");
}

TEST(Adif, FieldsOfUnusualQsos) {
    struct Cas {
        QString ligne, attendu;
    };
    const Cas cas[] = {
        {ligne("F5XYZ", "14", "", "DBF-001B", "01/02/16", "08:05"), " <SIG:8>DBF-001B <QSO_DATE:8>20160201 "},
        {ligne("F5XYZ", "75", "", "DCF-001", "01/02/16", "08:05", "SSB", "10 Mhz"),
         " <MODE:3>SSB <BAND:3>30m <RST_RCVD:2>59 "},
        // A typed frequency has no ADIF band; the field stays, empty.
        {ligne("F5XYZ", "75", "", "DCF-001", "01/02/16", "08:05", "FM", "145.500"),
         " <MODE:2>FM <BAND:0> <RST_RCVD:2>59 "},
        {ligne("F5XYZ", "75", "", "DCF-001", "01/02/16", "08:05", "SSB", "14 MHZ"), " <BAND:0> "},
        {ligne("F5XYZ", "75", "", "DCF-001", "31/12/99", "23:59"), " <QSO_DATE:8>20991231 <TIME_ON:4>2359 "},
        {ligne("F5XYZ", "75", "", "DCF-001", "31/12/99", "23:59", "CW"), " <RST_RCVD:3>599 <RST_SENT:3>599 "},
        {ligne("F5XYZ", "75", "", "DCF-001", "31/12/99", "23:59"), "<SIG_INFO:0> <QSL_RCVD:1>N<eor>"},
        {ligne("F5XYZ", "75", "ANNE-CHRISTOPHE", "DCF-001", "31/12/99", "23:59"), " <NAME:15>ANNE-CHRISTOPHE "},
        {ligne("F5XYZ", "75", "RENÉ", "DCF-001", "31/12/99", "23:59", "SSB", "14 Mhz", "C. SAINT-ÉTIENNE"),
         " <NAME:4>RENÉ "},
        {ligne("F5XYZ", "75", "", "DCF-001", "31/12/99", "23:59", "SSB", "14 Mhz", "C. SAINT-ÉTIENNE"),
         " <SIG_INFO:16>C. SAINT-ÉTIENNE "},
        // Only blanks are trimmed: a no-break space or a tab stays in the value.
        {ligne("F5XYZ", "75", "", "DCF-001", "31/12/99", "23:59", "SSB", "14 Mhz", QStringLiteral("C. DE PARIS\u00A0")),
         QStringLiteral(" <SIG_INFO:12>C. DE PARIS\u00A0 ")},
        {QStringLiteral("\tF5XYZ") + ligne("", "75", "", "DCF-001", "31/12/99", "23:59").mid(6), "<CALL:6>\tF5XYZ "},
        // A hand-edited line that lost its trailing blanks.
        {QStringLiteral("F1ABC        18                 DCF-002 01/01/16 00:01 CW  7.0 Mhz 599 599"),
         " <BAND:3>40m <RST_RCVD:3>599 <RST_SENT:3>599 <SIG_INFO:0> <QSL_RCVD:1>N<eor>"},
    };
    for (const Cas& c : cas) EXPECT_TRUE(Adif::ADIF_SP(c.ligne).contains(c.attendu)) << c.attendu.toStdString();

    const QStringList bandes = {"1.8 Mhz", "3.5 Mhz", "7.0 Mhz", "10 Mhz",  "14 Mhz",  "18 Mhz",  "21 Mhz",
                                "24 Mhz",  "28 Mhz",  "50 Mhz",  "144 Mhz", "432 Mhz", "",        "14 mhz"};
    const QStringList adif = {"160m", "80m", "40m", "30m", "20m", "17m", "15m",
                              "12m",  "10m", "6m",  "2m",  "70cm", "",   ""};
    for (int i = 0; i < bandes.size(); ++i) EXPECT_EQ(Adif::bande(bandes[i]), adif[i]) << bandes[i].toStdString();
}

TEST(ExportAdif, GeneratedLogGivesTheKnownFileFromTheMenu) {
    TestEnv env;
    env.station("F5XYZ");
    env.writeFile("F5XYZ_DCF.log", fixture("F5XYZ_DCF.log"));
    Main main(env.ctx);
    main.demarrer();
    main.Mnu_ADIF->trigger();

    const QByteArray attendu = fixture("F5XYZ_DCF.adi");
    ASSERT_FALSE(attendu.isEmpty());
    const QByteArray premier = env.readFile("F5XYZ_DCF.adi");
    EXPECT_EQ(premier, attendu);
    // Windows-1252, one byte per letter: "<NAME:4>REN\xC9 ".
    EXPECT_TRUE(premier.contains("<NAME:4>REN\xC9 <SIG:7>DCF-108"));
    EXPECT_EQ(env.dialogs.notices, QStringList{kSucces});

    // A second export replaces the first with the same bytes.
    main.Mnu_ADIF->trigger();
    EXPECT_EQ(env.readFile("F5XYZ_DCF.adi"), premier);
    EXPECT_FALSE(QFile::exists(env.ctx.path("Temporaire.txt")));
}

TEST(ExportAdif, EmptyLogGivesTheHeaderOnly) {
    TestEnv env;
    env.station("F5XYZ");
    env.writeFile("F5XYZ_DCF.adi", "an older export\r\n");
    EXPECT_TRUE(ExportAdif::Mnu_ADIF_Click(env.ctx));
    EXPECT_EQ(env.readFile("F5XYZ_DCF.adi"),
              "Exportation du log de la station F5XYZ au format ADIF\r\n\r\n"
              "Cr\xE9\xE9 par Vitralog R\xE9vision 1.0.3, carnet de trafic du Dipl\xF4me des Cath\xE9" "drales de France\r\n"
              "\r\n\r\n<eoh>\r\n");
    EXPECT_EQ(env.dialogs.notices, QStringList{kSucces});
}

TEST(ExportAdif, FailuresAreReportedInsteadOfSuccess) {
    TestEnv env;
    env.ctx.station = "F5XYZ";  // no log file
    EXPECT_FALSE(ExportAdif::Mnu_ADIF_Click(env.ctx));
    EXPECT_EQ(env.dialogs.notices, QStringList{"Impossible de lire le log F5XYZ_DCF.log"});
    EXPECT_FALSE(QFile::exists(env.ctx.path("F5XYZ_DCF.adi")));

    env.dialogs.notices.clear();
    env.station("F5XYZ", {ligne("F6ABC", "75", "", "DCF-001", "01/02/16", "08:05")});
    ASSERT_TRUE(QDir(env.dir.path()).mkdir("F5XYZ_DCF.adi"));  // cannot be replaced by a file
    EXPECT_FALSE(ExportAdif::Mnu_ADIF_Click(env.ctx));
    EXPECT_EQ(env.dialogs.notices, QStringList{"Impossible d'enregistrer le fichier F5XYZ_DCF.adi"});
    EXPECT_FALSE(QFile::exists(env.ctx.path("Temporaire.txt")));
}
