#include <gtest/gtest.h>
#include <QDir>
#include <QFile>

#include "core/adif/Adif.h"
#include "support/Journal.h"

TEST(Adif, RecordFields) {
    // F5XYZ, 75, DCF-001, 31/12/99 23:59 unless the row says otherwise.
    const auto q = [](QString mode = "SSB", QString bande = "14 Mhz", QString nom = "", QString prenom = "") {
        return ligne("F5XYZ", "75", prenom, "DCF-001", "31/12/99", "23:59", mode, bande, nom);
    };
    const std::pair<QString, QString> cas[] = {
        {ligne("FXXXX", "75", "", "DCF-001", "15/06/21", "14:32", "SSB", "14 Mhz", "C. DE PARIS", true),
         "<CALL:5>FXXXX <STATE:2>75 <NAME:0> <SIG:7>DCF-001 <QSO_DATE:8>20210615 <TIME_ON:4>1432 <MODE:3>SSB "
         "<BAND:3>20m "
         "<RST_RCVD:2>59 <RST_SENT:2>59 <SIG_INFO:11>C. DE PARIS <QSL_RCVD:1>Y<eor>"},
        {ligne("F5XYZ", "14", "", "DBF-001B", "01/02/16", "08:05"), " <SIG:8>DBF-001B <QSO_DATE:8>20160201 "},
        {q("FM", "145.500"), " <MODE:2>FM <BAND:0> <RST_RCVD:2>59 "},  // a typed frequency: the field stays, empty
        {q("SSB", "14 Mhz", "C. SAINT-ÉTIENNE", "RENÉ"),
         " <NAME:4>RENÉ <SIG:7>DCF-001 <QSO_DATE:8>20991231 <TIME_ON:4>2359 "
         "<MODE:3>SSB <BAND:3>20m <RST_RCVD:2>59 <RST_SENT:2>59 <SIG_INFO:16>C. SAINT-ÉTIENNE "},
        // Only blanks are trimmed: a no-break space or a tab stays in the value.
        {q("SSB", "14 Mhz", QStringLiteral("C. DE PARIS\u00A0")), QStringLiteral(" <SIG_INFO:12>C. DE PARIS\u00A0 ")},
        // A hand-edited line that lost its trailing blanks.
        {QStringLiteral("F1ABC        18                 DCF-002 01/01/16 00:01 CW  7.0 Mhz 599 599"),
         " <BAND:3>40m <RST_RCVD:3>599 <RST_SENT:3>599 <SIG_INFO:0> <QSL_RCVD:1>N<eor>"},
    };
    for (const auto& [l, attendu] : cas)
        EXPECT_TRUE(Adif::enregistrement(l).contains(attendu)) << attendu.toStdString();
    const std::pair<const char*, const char*> bandes[] = {{"432 Mhz", "70cm"}, {"14 mhz", ""}};
    for (const auto& [bande, adif] : bandes) EXPECT_EQ(Adif::bande(bande), adif) << bande;
}
