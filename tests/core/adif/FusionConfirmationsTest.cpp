#include <gtest/gtest.h>
#include <utility>
#include <vector>

#include "core/adif/FusionConfirmations.h"
#include "core/adif/LecteurAdif.h"
#include "core/journal/TextFile.h"
#include "support/Journal.h"

namespace {

using Champs = std::vector<std::pair<QByteArray, QByteArray>>;

// A confirmation record: F5ABC's QSO of the log, confirmed, with changes (an
// empty value drops the field).
QByteArray rec(const Champs& changes = {}) {
    Champs c = {{"CALL", "F5ABC"}, {"QSO_DATE", "20210615"}, {"TIME_ON", "143200"},
                {"BAND", "20M"},   {"MODE", "SSB"},          {"QSL_RCVD", "Y"}};
    for (const auto& [nom, valeur] : changes) {
        std::erase_if(c, [&](const auto& p) { return p.first == nom; });
        if (!valeur.isEmpty()) c.emplace_back(nom, valeur);
    }
    QByteArray s;
    for (const auto& [nom, v] : c) s += "<" + nom + ":" + QByteArray::number(v.size()) + ">" + v + "\r\n";
    return s + "<eor>\r\n\r\n";
}

const QString kParis = ligne("F5ABC", "75", "RENÉ", "DCF-001", "15/06/21", "14:32", "SSB", "14 Mhz", "C. DE PARIS");
const QString kLyon = ligne("F6DEF", "69", "", "DCF-002", "02/01/20", "09:15", "CW", "7.0 Mhz", "C. DE LYON");
const QString kSens = ligne("F6DEF", "89", "", "DCF-003", "02/01/20", "10:00", "CW", "7.0 Mhz", "C. DE SENS", true);
// Two QSOs a quarter of an hour apart: a record between them cannot choose.
const QString kAmb1 = ligne("F4GHI", "14", "", "DBF-012B", "31/12/99", "23:40", "FM", "144 Mhz", "B. DE LISIEUX");
const QString kAmb2 = ligne("F4GHI", "14", "", "DBF-012B", "31/12/99", "23:55", "FM", "144 Mhz", "B. DE LISIEUX");

struct Fusion : ::testing::Test {
    DossierCarnet env;
    FusionConfirmations::Plan plan(const QByteArray& adif, const QStringList& log) {
        env.station("F5XYZ", log);
        const LecteurAdif::Lecture l = LecteurAdif::lire(adif);
        EXPECT_TRUE(l.ok()) << l.erreur.toStdString();
        return FusionConfirmations::preparer(l.fichier, env.carnet);
    }
    QByteArray log() const { return env.readFile("F5XYZ_DCF.log"); }
};

QString confirmee(const QString& l) { return l.left(106) + "*"; }

}  // namespace

// A LoTW report confirms two new QSOs and one already confirmed; one record
// matches nothing, one matches two QSOs, one is not a confirmation. Only the
// two lines' QSL column changes.
TEST_F(Fusion, LotwReportConfirmsOnlyTheUnconfirmedMatchesAndOnlyOnce) {
    const QByteArray lotw =
        "ARRL Logbook of the World Status Report\r\nGenerated at 2021-07-02 08:00:00\r\nfor F5XYZ\r\n"
        "<PROGRAMID:4>LoTW\r\n<APP_LoTW_LASTQSL:19>2021-07-01 10:00:00\r\n<APP_LoTW_NUMREC:1>6\r\n<eoh>\r\n" +
        rec({{"QSLRDATE", "20210701"}, {"APP_LoTW_MODEGROUP", "PHONE"}}) +
        rec({{"CALL", "F6DEF"}, {"QSO_DATE", "20200102"}, {"TIME_ON", "0920"}, {"BAND", "40M"}, {"MODE", "CW"}}) +
        rec({{"CALL", "F6DEF"}, {"QSO_DATE", "20200102"}, {"TIME_ON", "1000"}, {"BAND", "40M"}, {"MODE", "CW"}}) +
        rec({{"CALL", "F9ZZZ"}}) +
        rec({{"CALL", "F4GHI"}, {"QSO_DATE", "20000101"}, {"TIME_ON", "0005"}, {"BAND", "2M"}, {"MODE", "FM"}}) +
        rec({{"CALL", "F6DEF"}, {"QSO_DATE", "20200102"}, {"TIME_ON", "0915"}, {"QSL_RCVD", "N"}}) +
        rec({{"QSLRDATE", "20210703"}});  // the same QSO twice counts once
    const QStringList avant = {kAmb1, kLyon, kSens, kAmb2, kParis};
    const FusionConfirmations::Plan p = plan(lotw, avant);
    EXPECT_EQ(FusionConfirmations::apercu(p),
              "Confirmations : 2 QSO à confirmer dont 2 nouvelles références confirmées, 1 déjà confirmés, "
              "1 sans QSO correspondant, 1 ambigus, 1 sans confirmation");
    EXPECT_EQ(FusionConfirmations::question(p), "Confirmer 2 QSO ?");
    EXPECT_EQ(FusionConfirmations::rapport(p).lignesFichier(),
              QStringList({"Enregistrement 4 : F9ZZZ 14 Mhz SSB 15/06/21 14:32 : sans QSO correspondant, "
                           "aucun QSO avec cet indicatif sur cette bande",
                           "Enregistrement 5 : F4GHI 144 Mhz FM 01/01/00 00:05 : ambigu, 2 QSO du log "
                           "correspondent (31/12/99 23:40, 31/12/99 23:55)"}));

    ASSERT_TRUE(FusionConfirmations::appliquer(p, env.carnet).fait());
    EXPECT_EQ(log(), TextFile::joinLines({kAmb1, confirmee(kLyon), kSens, kAmb2, confirmee(kParis)}));
}

// An eQSL inbox says the other station sent its card with QSL_SENT; the same
// field in another program's file is our own card and confirms nothing.
TEST_F(Fusion, EqslInboxConfirmsWithQslSent) {
    const QByteArray qso = rec({{"QSL_RCVD", ""}, {"QSL_SENT", "Y"}, {"QSL_SENT_VIA", "E"}, {"MODE", "USB"}});
    const std::pair<QByteArray, QString> fichiers[] = {
        {"Received eQSLs for F5XYZ\r\n<PROGRAMID:21>eQSL.cc DownloadInBox\r\n<ADIF_Ver:1>1\r\n<EOH>\r\n" + qso,
         confirmee(kParis)},
        {"Exported by another logger\r\n<EOH>\r\n" + qso, kParis},
    };
    for (const auto& [adif, attendu] : fichiers) {
        ASSERT_TRUE(FusionConfirmations::appliquer(plan(adif, {kParis}), env.carnet).fait());
        EXPECT_EQ(log(), TextFile::joinLines({attendu})) << adif.constData();
    }
}

// Each rule of the match against F5ABC's QSO of 15/06/21 14:32 and F4GHI's of
// 31/12/99 23:40: confirmed, or the reason why not.
TEST_F(Fusion, MatchingRules) {
    const QString oui = "confirmé", horsFenetre = "aucun QSO avec cet indicatif sur cette bande à 30 minutes près";
    const std::pair<Champs, QString> cas[] = {
        // 30 minutes either side (one edge), across midnight and the century as the log reads two-digit years.
        {{{"TIME_ON", "1402"}}, oui},
        {{{"TIME_ON", "1401"}}, horsFenetre},
        {{{"CALL", "F4GHI"}, {"QSO_DATE", "20000101"}, {"TIME_ON", "0010"}, {"BAND", "2M"}, {"MODE", "FM"}}, oui},
        // Mode groups; a record without a mode leaves it open.
        {{{"MODE", "phone"}}, oui},
        {{{"MODE", ""}}, oui},
        {{{"MODE", "CW"}}, "le QSO du log n'est pas dans le même mode"},
        // Callsign and band; a hand-made card list gives what it has.
        {{{"CALL", "F5ABC/M"}}, oui},
        {{{"BAND", "40m"}}, "aucun QSO avec cet indicatif sur cette bande"},
        {{{"BAND", "23CM"}}, "bande inconnue du log : 23CM"},
        {{{"CALL", "f5abc/p"}, {"BAND", ""}, {"FREQ", "14.2150"}, {"MODE", ""}, {"SIG", "DCF"}, {"SIG_INFO", "001"}},
         oui},
        // A reference must be the QSO's when SIG names one; a comment does not count.
        {{{"SIG", "DCF-002"}}, "la référence n'est pas celle du QSO du log (DCF-001)"},
        {{{"COMMENT", "DCF-002 next"}}, oui},
        // Other confirmations; other values are none.
        {{{"QSL_RCVD", ""}, {"LOTW_QSL_RCVD", "Y"}}, oui},
        {{{"QSL_RCVD", "V"}}, "sans confirmation"},
        {{{"QSO_DATE", "2021061"}}, "date illisible (QSO_DATE \"2021061\")"},
    };
    const QString bordeaux =
        ligne("F4GHI", "33", "", "DCF-004", "31/12/99", "23:40", "FM", "144 Mhz", "C. DE BORDEAUX");
    for (const auto& [changes, attendu] : cas) {
        const FusionConfirmations::Plan p = plan(rec(changes), {bordeaux, kParis});
        const QString obtenu = p.lignes.size() == 1 ? oui
                               : p.sansConfirmation ? QStringLiteral("sans confirmation")
                                                    : p.refus.value(0).motif.section(", ", 1);
        EXPECT_EQ(obtenu, attendu) << rec(changes).constData();
    }
}
