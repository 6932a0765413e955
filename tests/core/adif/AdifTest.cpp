// ADIF out and in: the export's record, the reader, the import of QSOs and
// the merge of confirmations.
#include <gtest/gtest.h>
#include <QFile>
#include <tuple>
#include <utility>
#include <vector>

#include "core/adif/Adif.h"
#include "core/adif/FusionConfirmations.h"
#include "core/adif/ImportAdif.h"
#include "core/adif/LecteurAdif.h"
#include "core/journal/TextFile.h"
#include "support/Journal.h"

namespace {

using Champs = std::vector<std::pair<QString, QString>>;

// F5ABC's QSO of 15/06/21 14:32 as this program's own export writes it, and
// as a confirmation of it.
const Champs kExporte = {
    {"CALL", "F5ABC"},           {"STATE", "75"},  {"NAME", "René"}, {"SIG", "DCF-001"}, {"QSO_DATE", "20210615"},
    {"TIME_ON", "1432"},         {"MODE", "SSB"},  {"BAND", "20m"},  {"RST_RCVD", "59"}, {"RST_SENT", "59"},
    {"SIG_INFO", "C. DE PARIS"}, {"QSL_RCVD", "N"}};
const Champs kConfirmation = {{"CALL", "F5ABC"}, {"QSO_DATE", "20210615"}, {"TIME_ON", "143200"},
                              {"BAND", "20M"},   {"MODE", "SSB"},          {"QSL_RCVD", "Y"}};

// A record of those fields with changes (an empty value drops the field), as
// a UTF-8 file holds it: lengths in bytes.
QByteArray rec(const Champs& changes = {}, Champs c = kExporte) {
    for (const auto& [nom, valeur] : changes) {
        std::erase_if(c, [&](const auto& p) { return p.first == nom; });
        if (!valeur.isEmpty()) c.emplace_back(nom, valeur);
    }
    QByteArray s;
    for (const auto& [nom, v] : c)
        s += "<" + nom.toUtf8() + ":" + QByteArray::number(v.toUtf8().size()) + ">" + v.toUtf8() + " ";
    return s + "<EOR>\r\n";
}
QByteArray carte(const Champs& changes = {}) { return rec(changes, kConfirmation); }

const QString kParis = ligne("F5ABC", "75", "RENÉ", "DCF-001", "15/06/21", "14:32", "SSB", "14 Mhz", "C. DE PARIS");
const QString kLyon = ligne("F6DEF", "69", "", "DCF-002", "02/01/20", "09:15", "CW", "7.0 Mhz", "C. DE LYON");
const QString kSens = ligne("F6DEF", "89", "", "DCF-003", "02/01/20", "10:00", "CW", "7.0 Mhz", "C. DE SENS", true);
// Two QSOs a quarter of an hour apart: a record between them cannot choose.
const QString kAmb1 = ligne("F4GHI", "14", "", "DBF-012B", "31/12/99", "23:40", "FM", "144 Mhz", "B. DE LISIEUX");
const QString kAmb2 = ligne("F4GHI", "14", "", "DBF-012B", "31/12/99", "23:55", "FM", "144 Mhz", "B. DE LISIEUX");

// The log of F5XYZ and a reference list; an ADIF file read and planned as
// QSOs to import or as confirmations.
struct Import : ::testing::Test, DossierCarnet {
    void SetUp() override {
        writeFile("Liste_DCF.csv",
                  TextFile::encode("DCF-001;Paris;75;Notre-Dame;x\r\nDBF-012B;Lisieux;14;"
                                   "Sainte-Thérèse;x\r\nDCF-045;Saint-Bertrand-de-Comminges;31;Notre-Dame;x\r\n"));
    }
    LecteurAdif::Fichier fichier(const QByteArray& adif, const QStringList& lignes) {
        station("F5XYZ", lignes);
        const LecteurAdif::Lecture l = LecteurAdif::lire(adif);
        EXPECT_TRUE(l.ok()) << l.erreur.toStdString();
        return l.fichier;
    }
    ImportAdif::Plan plan(const QByteArray& adif, const QStringList& lignes = {}) {
        return ImportAdif::preparer(fichier(adif, lignes), carnet, path("Liste_DCF.csv"));
    }
    FusionConfirmations::Plan confirmations(const QByteArray& adif, const QStringList& lignes) {
        return FusionConfirmations::preparer(fichier(adif, lignes), carnet);
    }
};

QString confirmee(const QString& l) { return l.left(106) + "*"; }

}  // namespace

// The record's layout, field by field, is held byte for byte by the known
// export (ExportAdifTest). Only blanks are trimmed: a no-break space stays in
// the value and in its count.
TEST(Adif, OnlyBlanksAreTrimmed) {
    const QString l =
        ligne("F5XYZ", "75", "", "DCF-001", "31/12/99", "23:59", "SSB", "14 Mhz", QStringLiteral("C. DE PARIS\u00A0"));
    EXPECT_TRUE(Adif::enregistrement(l).contains(QStringLiteral(" <SIG_INFO:12>C. DE PARIS\u00A0 ")));
}

TEST_F(Import, ReadingARecordAndTurningItIntoALogLine) {
    // Bytes, a field, its value in the last record, the number of records.
    const std::tuple<QByteArray, const char*, QString, qsizetype> lus[] = {
        // Names in any case; header fields stay there.
        {"Journal <de> F5XYZ\r\n<ADIF_VER:5>3.1.4 <EOH>\r\n<Call:5:S>F5ABC <EoR>", "CALL", "F5ABC", 1},
        {"x <ADIF_VER:5>3.1.4 <EOH><CALL:5>F5ABC<EOR>", "ADIF_VER", QString(), 1},
        {"<CALL:5>F5ABC <COMMENT:4>a<b> <EOR>", "COMMENT", "a<b>", 1},  // the length decides
        {"<CALL:0><EOR><CALL:4>F5AB<EOR>", "CALL", "F5AB", 2},
        {"<EOH>", "CALL", QString(), 0},
        {"<NAME:4>REN\xC9<EOR>", "NAME", "RENÉ", 1},
        {"<NAME:5>REN\xC3\x89<EOR>", "NAME", "RENÉ", 1},  // Windows-1252; UTF-8 in bytes
        {"<NAME:4>REN\xC3\x89 <CALL:2>F5<EOR>", "NAME", "RENÉ", 1},
        {"\xEF\xBB\xBF<CALL:2>F5<EOR>", "CALL", "F5", 1},  // or characters
    };
    for (const auto& [octets, champ, valeur, nombre] : lus) {
        const LecteurAdif::Lecture l = LecteurAdif::lire(octets);
        EXPECT_EQ(std::make_tuple(l.erreur, l.fichier.nombre(), l.fichier.valeur(nombre - 1, champ)),
                  std::make_tuple(QString(), nombre, valeur))
            << octets.constData();
    }
    const std::pair<QByteArray, QString> mauvais[] = {
        {"Bonjour, ceci est une lettre.", "n'est pas un fichier ADIF"},
        {QByteArray("<CALL:5>F5\0BC<EOR>", 18), "pas un fichier texte"},
        {"<CALL:5>F5ABC <BAND:3>20m", "aucune fin d'enregistrement"},
        {"<CALL:5>F5ABC<EOR><NAME:99999999999>", "<NAME> annonce 99999999999 caractères, au-delà de la fin"},
    };
    for (const auto& [octets, message] : mauvais)
        EXPECT_TRUE(LecteurAdif::lire(octets).erreur.contains(message)) << octets.constData();
    QFile gros(path("gros.adi"));
    ASSERT_TRUE(gros.open(QIODevice::WriteOnly) && gros.resize(LecteurAdif::TailleMax + 1));
    EXPECT_EQ(LecteurAdif::lireFichier(gros.fileName()).erreur,
              "Le fichier gros.adi dépasse 64 Mo : ce n'est pas un journal ADIF qui puisse être importé.");
    EXPECT_EQ(LecteurAdif::lireFichier(path("absent.adi")).erreur, "Impossible de lire le fichier absent.adi");
    // The reference in each convention, then the record as a log line or a refusal.
    const std::tuple<Champs, QString, QString> refs[] = {
        {{{"SIG", "dbf-012b"}, {"SIG_INFO", "Lisieux"}}, "DBF-012B", "Lisieux"},
        {{{"SIG", "DCF"}, {"SIG_INFO", "DCF-045"}}, "DCF-045", ""},
        {{{"SIG", "dbf"}, {"SIG_INFO", "012"}}, "DBF-012B", ""},
        {{{"SIG", "DCF-1234"}, {"COMMENT", "DCF-0456 XDCF-001"}}, "", ""},
        {{{"SIG", "POTA"}, {"SIG_INFO", "FF-1234"}, {"COMMENT", "Cathédrale dcf-045, portable"}}, "DCF-045", ""},
        {{{"SIG", QString()}, {"SIG_INFO", QString()}, {"NOTES", "ref DBF-012B"}}, "DBF-012B", ""},
    };
    for (const auto& [changes, ref, nom] : refs) {
        const ImportAdif::Reference r = ImportAdif::reference(LecteurAdif::lire(rec(changes)).fichier, 0);
        EXPECT_EQ(QStringList({r.ref, r.nom}), QStringList({ref, nom}));
    }
    const Champs comminges = {{"SIG", "DCF"},        {"SIG_INFO", "045"}, {"STATE", "CA"},     {"BAND", QString()},
                              {"FREQ", "7.074"},     {"MODE", "cw"},      {"RST_RCVD", "599"}, {"RST_SENT", "599"},
                              {"TIME_ON", "143259"}, {"NAME", ""}};
    const std::pair<Champs, QString> cas[] = {
        {{{"RST_RCVD", "57"}, {"RST_SENT", "55"}}, kParis.left(67) + "57  55" + kParis.mid(73)},
        {{{"MODE", "USB"}, {"RST_RCVD", QString()}, {"RST_SENT", QString()}, {"QSL_RCVD", "y"}}, confirmee(kParis)},
        // The list gives the département and the name the record lacks, cut to 30.
        {comminges,
         ligne("F5ABC", "31", "", "DCF-045", "15/06/21", "14:32", "CW", "7.0 Mhz", "C. DE SAINT-BERTRAND-DE-COMMIN")},
        // The save's checks run on every record: a digital mode's dB report is refused.
        {{{"STATE", "2A"}, {"BAND", "70CM"}, {"MODE", "FT8"}, {"RST_RCVD", "-05"}},
         "R (de RST)doit etre compris entre 0 et 5"},
        {{{"BAND", "23cm"}}, "Bande inconnue du log : 23cm"},
        {{{"QSO_DATE", "20210231"}}, "Date illisible (QSO_DATE \"20210231\")"},
        {{{"BAND", QString()}, {"FREQ", "5.3515"}}, "Fréquence hors des bandes du log : 5.3515"},
        {{{"BAND", QString()}}, "Ni bande (BAND) ni fréquence (FREQ)"},
        {{{"TIME_ON", "2460"}}, "Heure illisible (TIME_ON \"2460\")"},
    };
    for (const auto& [changes, attendu] : cas) {
        const ImportAdif::Plan p = plan(rec(changes));
        EXPECT_EQ(p.qsos.isEmpty() ? p.refus.value(0).motif : LigneQso::format(p.qsos[0]), attendu)
            << rec(changes).constData();
    }
}

TEST_F(Import, DuplicatesWorkedReferencesCancellingRoundTripAndTheCap) {
    auto l = [](const char* ref, const char* date, const char* bande, const char* prenom = "RENÉ") {
        return ligne("F5ABC", "75", prenom, ref, date, "14:32", "SSB", bande, "C. DE PARIS");
    };
    const QString existant = l("DCF-001", "15/06/21", "14 Mhz", "");
    const Champs dbf2020 = {{"SIG", "DBF-012B"}, {"QSO_DATE", "20200101"}, {"BAND", "40m"}};
    // Already in the log; DCF-001 on 20m worked; twice in the file; worked just before; new; no reference.
    const QByteArray adif = "F5XYZ <EOH>\r\n" + rec({{"NAME", "X"}}) + rec({{"CALL", "F6DEF"}}) + rec(dbf2020) +
                            rec(dbf2020) + rec({{"SIG", "DBF-012B"}, {"CALL", "F6DEF"}, {"BAND", "40m"}}) +
                            rec({{"SIG", "DBF-012B"}, {"QSO_DATE", "20220101"}, {"BAND", "80m"}}) +
                            rec({{"SIG", "POTA"}, {"SIG_INFO", "FF-0001"}});
    const ImportAdif::Plan p = plan(adif, {existant});
    EXPECT_EQ(ImportAdif::rapportRefus(p).lignesFichier(),
              QStringList({"Enregistrement 2 : F6DEF DCF-001 15/06/21 14:32 : DCF-001 Cathédrale déja contacté le "
                           "15/06/21 sur 14 Mhz",
                           "Enregistrement 5 : F6DEF DBF-012B 15/06/21 14:32 : DBF-012B Cathédrale déja contacté le "
                           "01/01/20 sur 7.0 Mhz"}));
    EXPECT_EQ(ImportAdif::resume(p),
              "Le fichier contient 7 enregistrement(s), dont 6 avec une référence de cathédrale ou de basilique.\n"
              "2 déjà présent(s) dans le log, 2 refusé(s).\n\nImporter 2 QSO ?");
    ASSERT_TRUE(ImportAdif::appliquer(p, carnet).fait());
    const QStringList apres = {l("DBF-012B", "01/01/20", "7.0 Mhz"), existant, l("DBF-012B", "01/01/22", "3.5 Mhz")};
    EXPECT_EQ(log(), TextFile::joinLines(apres));
    // Imported again: all there already, nothing to do.
    EXPECT_TRUE(ImportAdif::resume(plan(adif, apres))
                    .endsWith("4 déjà présent(s) dans le log, 2 refusé(s).\n\nAucun QSO à importer."));
    // A cancelled plan writes nothing.
    qsizetype vu = 0;  // told at 0, then at 512 where it stops
    const ImportAdif::Plan annule =
        ImportAdif::preparer(LecteurAdif::lire(rec().repeated(600)).fichier, carnet, {},
                             [&](qsizetype fait, qsizetype total) { return (vu = fait + total, fait == 0); });
    EXPECT_TRUE(vu == 512 + 600 && annule.annule && annule.qsos.isEmpty());
    EXPECT_TRUE(ImportAdif::appliquer(annule, carnet).fait() && log() == TextFile::joinLines(apres));
    // Exported then imported: the same log; the first names remembered.
    station(
        "F5XYZ",
        {ligne("F5ABC", "75", "RENÉ", "DCF-001", "03/01/15", "08:05", "SSB", "14 Mhz", "C. DE PARIS", true),
         ligne("F5ABC", "14", "RENÉ", "DBF-012B", "03/01/15", "08:05", "CW", "1.8 Mhz", "B. SAINTE-THÉRÈSE À LISIEUX"),
         ligne("ON4XX", "2a", "", "DCF-045", "28/02/16", "23:59", "FM", "144 Mhz", ""),
         ligne("F6DEF", "", "ÉLODIE", "DCF-001", "31/12/21", "00:00", "SSB", "432 Mhz", "C. DE PARIS")});
    const QByteArray avant = log();
    writeFile("Liste_Prenom.txt", "F5ABC        75 JEAN\r\nF6DEF           ANNIE\r\nF6DEF           X\r\n");
    writeFile("Liste_DCF.csv", "");  // no list: names and départements come from the file alone
    const ImportAdif::Plan retour = plan(Adif::fichier("F5XYZ", carnet));
    ASSERT_TRUE(ImportAdif::appliquer(retour, carnet).fait());
    EXPECT_EQ(log(), avant);
    ASSERT_TRUE(ImportAdif::memoriserPrenoms(retour.qsos, path("Liste_Prenom.txt")));
    EXPECT_EQ(readFile("Liste_Prenom.txt"),
              "F5ABC        14 REN\xC9\r\nF6DEF           \xC9LODIE\r\nF6DEF           \xC9LODIE\r\n");
    // The cap: one place left for three new QSOs.
    const ImportAdif::Plan cap = plan(rec({{"SIG", "DCF-002"}}) + rec({{"SIG", "DCF-003"}}) + rec({{"SIG", "DCF-004"}}),
                                      QStringList(LigneQso::MaxQso - 1, l("DCF-999", "01/01/15", "14 Mhz")));
    ASSERT_EQ(std::make_pair(cap.qsos.size(), cap.refus.size()), std::make_pair(qsizetype(1), qsizetype(2)));
    EXPECT_EQ(cap.refus[1].motif, "Le log contient déjà 99999 QSO, le maximum : ce QSO n'a pas été enregistré");
}

// A LoTW report confirms two new QSOs and one already confirmed; one record
// matches nothing, one matches two QSOs, one is not a confirmation. Only the
// two lines' QSL column changes.
TEST_F(Import, LotwReportConfirmsOnlyTheUnconfirmedMatchesAndOnlyOnce) {
    const QByteArray lotw =
        "ARRL Logbook of the World Status Report\r\n<PROGRAMID:4>LoTW\r\n<APP_LoTW_NUMREC:1>6\r\n<eoh>\r\n" +
        carte({{"QSLRDATE", "20210701"}, {"APP_LoTW_MODEGROUP", "PHONE"}}) +
        carte({{"CALL", "F6DEF"}, {"QSO_DATE", "20200102"}, {"TIME_ON", "0920"}, {"BAND", "40M"}, {"MODE", "CW"}}) +
        carte({{"CALL", "F6DEF"}, {"QSO_DATE", "20200102"}, {"TIME_ON", "1000"}, {"BAND", "40M"}, {"MODE", "CW"}}) +
        carte({{"CALL", "F9ZZZ"}}) +
        carte({{"CALL", "F4GHI"}, {"QSO_DATE", "20000101"}, {"TIME_ON", "0005"}, {"BAND", "2M"}, {"MODE", "FM"}}) +
        carte({{"CALL", "F6DEF"}, {"QSO_DATE", "20200102"}, {"TIME_ON", "0915"}, {"QSL_RCVD", "N"}}) +
        carte({{"QSLRDATE", "20210703"}});  // the same QSO twice counts once
    const QStringList avant = {kAmb1, kLyon, kSens, kAmb2, kParis};
    const FusionConfirmations::Plan p = confirmations(lotw, avant);
    EXPECT_EQ(FusionConfirmations::apercu(p),
              "Confirmations : 2 QSO à confirmer dont 2 nouvelles références confirmées, 1 déjà confirmés, "
              "1 sans QSO correspondant, 1 ambigus, 1 sans confirmation");
    EXPECT_EQ(FusionConfirmations::question(p), "Confirmer 2 QSO ?");
    EXPECT_EQ(FusionConfirmations::rapport(p).lignesFichier(),
              QStringList({"Enregistrement 4 : F9ZZZ 14 Mhz SSB 15/06/21 14:32 : sans QSO correspondant, "
                           "aucun QSO avec cet indicatif sur cette bande",
                           "Enregistrement 5 : F4GHI 144 Mhz FM 01/01/00 00:05 : ambigu, 2 QSO du log "
                           "correspondent (31/12/99 23:40, 31/12/99 23:55)"}));

    ASSERT_TRUE(FusionConfirmations::appliquer(p, carnet).fait());
    EXPECT_EQ(log(), TextFile::joinLines({kAmb1, confirmee(kLyon), kSens, kAmb2, confirmee(kParis)}));
}

// An eQSL inbox says the other station sent its card with QSL_SENT; the same
// field in another program's file is our own card and confirms nothing.
TEST_F(Import, EqslInboxConfirmsWithQslSent) {
    const QByteArray qso = carte({{"QSL_RCVD", ""}, {"QSL_SENT", "Y"}, {"QSL_SENT_VIA", "E"}, {"MODE", "USB"}});
    const std::pair<QByteArray, QString> fichiers[] = {
        {"Received eQSLs for F5XYZ\r\n<PROGRAMID:21>eQSL.cc DownloadInBox\r\n<EOH>\r\n" + qso, confirmee(kParis)},
        {"Exported by another logger\r\n<EOH>\r\n" + qso, kParis},
    };
    for (const auto& [adif, attendu] : fichiers) {
        ASSERT_TRUE(FusionConfirmations::appliquer(confirmations(adif, {kParis}), carnet).fait());
        EXPECT_EQ(log(), TextFile::joinLines({attendu})) << adif.constData();
    }
}

// Each rule of the match against F5ABC's QSO of 15/06/21 14:32: confirmed,
// or the reason why not.
TEST_F(Import, MatchingRules) {
    const QString oui = "confirmé", horsFenetre = "aucun QSO avec cet indicatif sur cette bande à 30 minutes près";
    const std::pair<Champs, QString> cas[] = {
        // 30 minutes either side (one edge; across midnight and the century in the report above).
        {{{"TIME_ON", "1402"}}, oui},
        {{{"TIME_ON", "1401"}}, horsFenetre},
        // Mode groups; a record without a mode leaves it open (below).
        {{{"MODE", "phone"}}, oui},
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
    for (const auto& [changes, attendu] : cas) {
        const FusionConfirmations::Plan p = confirmations(carte(changes), {kParis});
        const QString obtenu = p.lignes.size() == 1 ? oui
                               : p.sansConfirmation ? QStringLiteral("sans confirmation")
                                                    : p.refus.value(0).motif.section(", ", 1);
        EXPECT_EQ(obtenu, attendu) << carte(changes).constData();
    }
}
