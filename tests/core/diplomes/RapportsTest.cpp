#include <gtest/gtest.h>
#include <tuple>

#include "core/diplomes/Rapports.h"
#include "core/journal/Carnet.h"
#include "core/journal/LigneQso.h"
#include "core/journal/TextFile.h"
#include "support/Journal.h"

using namespace Rapports;

namespace {

const QString kJour = "05/12/2026";

QString confirme(const QString& call, const QString& ref, const QString& dpt = "75", const QString& nom = "NOTRE-DAME",
                 const QString& date = "14/05/15") {
    return ligne(call, dpt, "JEAN", ref, date, "10:32", "SSB", "14 Mhz", nom, true);
}

// The log holding these lines, as read from its file.
struct Log {
    Carnet c;
    explicit Log(const QStringList& lignes) { c.charger(TextFile::joinLines(lignes)); }
};

QStringList diplome(const QStringList& l) { return entreesDiplome(Log(l).c).textes(); }
QStringList contactes(const QStringList& l) { return entreesContactes(Log(l).c).textes(); }

}  // namespace

TEST(Rapports, ConfirmedCountAndItsText) {
    // The same reference counts twice.
    const QStringList lignes = {confirme("F5AAA", "DCF-001"), confirme("F5AAA", "DCF-001"),
                                ligne("F5CCC", "75", "", "DCF-003", "01/01/20", "10:00")};
    EXPECT_EQ(compteConfirmes(Log(lignes).c), 2);
    EXPECT_EQ(texteCompte(10, 0), "il vous manque 10 Cathédrales confirmées");
    EXPECT_EQ(texteCompte(10, 10), "avec les QSL des 10 Cathédrales confirmés");
}

TEST(Rapports, HeadersPutTheirCaptionsAtTheirColumns) {
    // A header, its width, a caption and its 1-based column.
    const std::tuple<QString, qsizetype, const char*, qsizetype> cas[] = {
        {EnteteListeDiplome, 73, "Heure Indicatif", 59},
        {EnteteImpressionDiplome, 84, "Indicatif", 76},
        {EnteteListeContactes, 184, "QSL", 182},
        {EnteteFichierContactes, 122, "QSL", 120},
    };
    for (const auto& [entete, largeur, titre, colonne] : cas)
        EXPECT_EQ(std::make_pair(entete.size(), entete.indexOf(QString::fromUtf8(titre)) + 1),
                  std::make_pair(largeur, colonne))
            << titre;
}

TEST(Rapports, AwardEntriesAreConfirmedQsosInByteOrder) {
    // Not confirmed: the second line, and the last one, short of column 107.
    const QStringList e = diplome({confirme("F5AAA", "DCF-010", "75", "NOTRE-DAME", "14/05/15"),
                                   ligne("F5ZZZ", "13", "", "DBF-001B", "01/01/20", "10:00"),
                                   confirme("F6BBB", "DBF-002B", "13", "MARSEILLE"),
                                   confirme("F5AAA", "DCF-010", "75", "NOTRE-DAME", "01/06/15"),
                                   confirme("F6BBB", "DBF-002B", "13", "MARSEILLE").left(106)});
    // Same reference: the date compares as text, day first.
    EXPECT_EQ(e, QStringList({"   DBF-002B  13  MARSEILLE                       14/05/15  10:32  F6BBB       ",
                              "   DCF-010   75  NOTRE-DAME                      01/06/15  10:32  F5AAA       ",
                              "   DCF-010   75  NOTRE-DAME                      14/05/15  10:32  F5AAA       "}));
}

TEST(Rapports, EntriesSortInWindows1252ByteOrderPastTheirFirstSixteenBytes) {
    // Same reference and callsign start: the order is decided far in, by
    // bytes (0x80 the euro sign before 0xC9), not by code points.
    const QString nom[] = {QString::fromUtf8("SAINT-ÉTIENNE"), QString::fromUtf8("SAINT-€"), "SAINT-Z", "SAINT Z"};
    QStringList log;
    for (const QString& n : nom) log << confirme("F5AAA", "DCF-001", "75", n);
    QStringList noms;
    for (const QString& e : diplome(log)) noms << e.mid(17, 7);
    EXPECT_EQ(noms, QStringList({"SAINT Z", "SAINT-Z", "SAINT-€", "SAINT-É"}));
    EXPECT_EQ(contactes(log).last().mid(89, 7), QString::fromUtf8("SAINT-É"));
}

TEST(Rapports, FileNames) {
    EXPECT_EQ(nomFichierDiplome("F5XYZ", "Trophé", kJour), "F5XYZ_Diplome_DCF_Trophe_05_12_26.txt");
    EXPECT_EQ(nomFichierContactes("F5XYZ_P", kJour), QString::fromUtf8("Cathédrales_Contactes_F5XYZ_P_05_12_26.txt"));
}

TEST(Rapports, AwardFileBytes) {
    QStringList log(11, confirme("F5AAA", "DCF-001"));
    log << confirme("F6BBB", "DBF-002B", "13", "SAINT-ÉTIENNE");
    QByteArray attendu =
        "F5XYZ    Liste alphanumerique des Cath\351drales contact\351es au 05/12/2026\r\n\r\n"
        "   N\xB0    Ref     Dpt    Nom de la cath\351drale            Date    Heure  Indicatif\r\n\r\n"
        "    1    DBF-002B  13  SAINT-\xC9TIENNE                   14/05/15  10:32  F6BBB       \r\n";
    for (int i = 2; i <= 12; ++i)
        attendu += QByteArray::number(i).rightJustified(5) +
                   "    DCF-001   75  NOTRE-DAME                      14/05/15  10:32  F5AAA       \r\n";
    EXPECT_EQ(
        TextFile::joinLines(rapportDiplome("F5XYZ", "de Base", kJour, diplome(log), Support::Fichier).lignesFichier()),
        attendu + "\r\nListe \xE9tablie par Vitralog, carnet de trafic du DCF\r\n");  // CR LF after the last line too
}

TEST(Rapports, PrintedAwardListHeadingPerLevel) {
    EXPECT_EQ(rapportDiplome("F5XYZ", "de Base", kJour, diplome({confirme("F5AAA", "DCF-001")}), Support::Impression)
                  .lignesImprimees(),
              QStringList({QString(17, ' ') + "F5XYZ Diplome DCF De base du 05/12/26", "", EnteteImpressionDiplome, "",
                           "        1    DCF-001   75  NOTRE-DAME                      14/05/15  10:32  F5AAA       ",
                           "", "", Credit}));
    EXPECT_EQ(titreImpressionDiplome("F5XYZ", "Trophé", kJour), QString(22, ' ') + "F5XYZ Trophé DCF du 05/12/26");
}

TEST(Rapports, ContactedEntryCarriesEveryField) {
    const QString l = LigneQso::format(
        Qso{"F5XYZ/P", "2a", "RENÉ", "DCF-001", "14/05/15", "10:32", "CW", "144 Mhz", "599", "579", "AJACCIO", "*"});
    // A hand-shortened line keeps the columns of what it has; an empty one is all blanks.
    const QStringList e =
        contactes({l, ligne("F5AAA", "75", "", "DBF-001B", "01/01/20", "10:00"), "F6ABC        13 PAUL", ""});
    EXPECT_EQ(e, QStringList(
                     {QString(122, ' '), QString("               F6ABC         13 PAUL").leftJustified(122),
                      QString("      DBF-001B F5AAA         75                 01/01/20  10:00  SSB  14 Mhz   59   59")
                          .leftJustified(122),
                      "      DCF-001  F5XYZ/P       2a RENÉ            14/05/15  10:32  CW   144 Mhz  599  579  "
                      "AJACCIO                         *"}));
}

TEST(Rapports, DuplicateFilterKeepsOneLinePerReferenceAndCallsignPrefix) {
    // The third line, the same callsign confirmed, sorts after the second's blank QSL.
    const Log log(
        QStringList{confirme("F5BBB", "DCF-001"),
                    ligne("F5AAA", "75", "JEAN", "DCF-001", "14/05/15", "10:32", "SSB", "14 Mhz", "NOTRE-DAME"),
                    confirme("F5AAA", "DCF-001"), confirme("F6CCC", "DCF-001"), confirme("F5AAA", "DBF-001B"),
                    confirme("F5AAA", "DCF-002")});
    const Entrees triees = entreesContactes(log.c);
    ASSERT_EQ(triees.taille(), 6);
    const QStringList vues = sansDoublons(triees).textes();
    EXPECT_EQ(contactesSansDoublons(log.c).textes(), vues);  // kept before the sort, the same list
    // Reference, callsign start and QSL: the unconfirmed one sorts first and is the one kept.
    QStringList debuts;
    for (const QString& v : vues) debuts << v.mid(6, 13) + v.right(1);
    EXPECT_EQ(debuts, QStringList({"DBF-001B F5AA*", "DCF-001  F5AA ", "DCF-001  F6CC*", "DCF-002  F5AA*"}));
}

TEST(Rapports, ContactedFileOfAnEmptyLog) {
    const QByteArray b = TextFile::joinLines(
        rapportContactes("F5XYZ", kJour, sansDoublons(entreesContactes(Log({}).c)).textes()).lignesFichier());
    const QByteArray titre =
        "Liste des Cath\351drales et Basiliques contact\351es par F5XYZ au 05/12/2026 par ordre alphanumerique";
    EXPECT_EQ(b, QByteArray(19, ' ') + titre + "\r\n\r\n" + TextFile::encode(EnteteFichierContactes) + "\r\n\r\n\r\n" +
                     TextFile::encode(Credit) + "\r\n");
    EXPECT_EQ(rapportContactes("F5XYZ", kJour, {}).lignesImprimees().mid(4), QStringList({"", "", Credit}));
}
