#include <gtest/gtest.h>

#include "core/diplomes/Rapports.h"
#include "core/journal/Carnet.h"
#include "core/journal/LigneQso.h"
#include "core/journal/TextFile.h"
#include "support/Doubles.h"

using namespace Rapports;

namespace {

const QString kJour = "05/12/2026";

QString confirme(const QString& call, const QString& ref, const QString& dpt = "75",
                 const QString& nom = "NOTRE-DAME", const QString& date = "14/05/15") {
    return ligne(call, dpt, "JEAN", ref, date, "10:32", "SSB", "14 Mhz", nom, true);
}

// The log holding these lines, as read from its file.
struct Log {
    Carnet c;
    explicit Log(const QStringList& lignes) { c.charger(TextFile::joinLines(lignes)); }
    explicit Log(const QByteArray& octets) { c.charger(octets); }
};

QStringList diplome(const QStringList& l) { return entreesDiplome(Log(l).c).textes(); }
QStringList contactes(const QStringList& l) { return entreesContactes(Log(l).c).textes(); }

// 1-based column of a caption in a header.
int colonne(const QString& entete, const QString& titre) { return int(entete.indexOf(titre)) + 1; }

}  // namespace

TEST(Rapports, ConfirmedCountReadsOnlyColumn107) {
    QString autre = confirme("F5AAA", "DCF-001");
    autre[106] = 'x';
    const QStringList lignes = {
        confirme("F5AAA", "DCF-001"), confirme("F5AAA", "DCF-001"),   // same reference counts twice
        confirme("F6BBB", "DBF-002B"),
        ligne("F5CCC", "75", "", "DCF-003", "01/01/20", "10:00"),     // QSL blank
        autre,
        confirme("F5AAA", "DCF-001").left(106),                      // short of column 107
        "",
    };
    EXPECT_EQ(compteConfirmes(Log(lignes).c), 3);
    EXPECT_EQ(texteCompte(10, 0), "il vous manque 10 Cathédrales confirmées");
    EXPECT_EQ(texteCompte(100, 99), "il vous manque 1 Cathédrales confirmées");
    EXPECT_EQ(texteCompte(10, 10), "avec les QSL des 10 Cathédrales confirmés");
    EXPECT_EQ(niveaux().at(3).mot, QString::fromUtf8("Trophé"));
    EXPECT_EQ(niveaux().at(3).nonAtteint, "Vous ne pouvez pas encore obtenir le trophé DCF ");
}

TEST(Rapports, HeadersPutTheirCaptionsAtTheirColumns) {
    EXPECT_EQ(EnteteListeDiplome.size(), 73);
    EXPECT_EQ(colonne(EnteteListeDiplome, "Heure Indicatif"), 59);
    EXPECT_EQ(EnteteFichierDiplome,
              "   N°    Ref     Dpt    Nom de la cathédrale            Date    Heure  Indicatif");
    EXPECT_EQ(EnteteImpressionDiplome.size(), 84);
    EXPECT_EQ(colonne(EnteteImpressionDiplome, "Nom de la Cathédrale"), 29);
    EXPECT_EQ(colonne(EnteteImpressionDiplome, "Indicatif"), 76);
    EXPECT_EQ(EnteteListeContactes.size(), 184);
    EXPECT_EQ(colonne(EnteteListeContactes, "Prénom"), 55);
    EXPECT_EQ(colonne(EnteteListeContactes, "QSL"), 182);
    EXPECT_EQ(EnteteFichierContactes.size(), 122);
    EXPECT_EQ(colonne(EnteteFichierContactes, "Prenom"), 35);
    EXPECT_EQ(colonne(EnteteFichierContactes, "Nom de la Cathédrale"), 91);
    EXPECT_EQ(colonne(EnteteFichierContactes, "QSL"), 120);
}

TEST(Rapports, AwardEntriesAreConfirmedQsosInByteOrder) {
    const QStringList e = diplome({
        confirme("F5AAA", "DCF-010", "75", "NOTRE-DAME", "14/05/15"),
        ligne("F5ZZZ", "13", "", "DBF-001B", "01/01/20", "10:00"),  // not confirmed
        confirme("F6BBB", "DBF-002B", "13", "MARSEILLE"),
        confirme("F5AAA", "DCF-010", "75", "NOTRE-DAME", "01/06/15"),
        confirme("F6BBB", "DBF-002B", "13", "MARSEILLE").left(106),  // short of column 107
    });
    ASSERT_EQ(e.size(), 3);
    EXPECT_EQ(e[0], "   DBF-002B  13  MARSEILLE                       14/05/15  10:32  F6BBB       ");
    // Same reference: the date compares as text, day first.
    EXPECT_EQ(e[1], "   DCF-010   75  NOTRE-DAME                      01/06/15  10:32  F5AAA       ");
    EXPECT_EQ(e[2].mid(49, 8), "14/05/15");
}

TEST(Rapports, EntriesSortInWindows1252ByteOrderPastTheirFirstSixteenBytes) {
    // Same reference and callsign start: the order is decided far in, by
    // bytes (0x80 the euro sign before 0xC9), not by code points.
    const QString nom[] = {QString::fromUtf8("SAINT-ÉTIENNE"), QString::fromUtf8("SAINT-€"), "SAINT-Z", "SAINT Z"};
    QStringList log;
    for (const QString& n : nom) log << confirme("F5AAA", "DCF-001", "75", n);
    const QStringList e = diplome(log);
    ASSERT_EQ(e.size(), 4);
    EXPECT_EQ(e[0].mid(17, 7), "SAINT Z");
    EXPECT_EQ(e[1].mid(17, 7), "SAINT-Z");
    EXPECT_EQ(e[2].mid(17, 7), QString::fromUtf8("SAINT-€"));
    EXPECT_EQ(e[3].mid(17, 7), QString::fromUtf8("SAINT-É"));
    EXPECT_EQ(contactes(log).last().mid(89, 7), QString::fromUtf8("SAINT-É"));
}

TEST(Rapports, DatePartsAndFileNames) {
    EXPECT_EQ(partieDate(kJour), "05_12_26");
    EXPECT_EQ(dateImprimee(kJour), "05/12/26");
    EXPECT_EQ(nomFichierDiplome("F5XYZ", "de Base", kJour), "F5XYZ_Diplome_DCF_de_Base_05_12_26.txt");
    EXPECT_EQ(nomFichierDiplome("F5XYZ", "Excellence", kJour), "F5XYZ_Diplome_DCF_Excellence_05_12_26.txt");
    EXPECT_EQ(nomFichierDiplome("F5XYZ", "Honneur", kJour), "F5XYZ_Diplome_DCF_Honneur_05_12_26.txt");
    EXPECT_EQ(nomFichierDiplome("F5XYZ", QString::fromUtf8("Trophé"), kJour),
              "F5XYZ_Diplome_DCF_Trophe_05_12_26.txt");
    EXPECT_EQ(nomFichierContactes("F5XYZ_P", kJour), QString::fromUtf8("Cathédrales_Contactes_F5XYZ_P_05_12_26.txt"));
}

TEST(Rapports, AwardFileBytes) {
    QStringList log(11, confirme("F5AAA", "DCF-001"));
    log << confirme("F6BBB", "DBF-002B", "13", "SAINT-ÉTIENNE");
    const QStringList entrees = diplome(log);
    const QByteArray b = TextFile::joinLines(fichierDiplome("F5XYZ", kJour, entrees));
    const QList<QByteArray> l = b.split('\n');
    ASSERT_EQ(l.size(), 12 + 6 + 1);
    EXPECT_EQ(l[0], "F5XYZ    Liste alphanumerique des Cath\xE9" "drales contact\xE9" "es au 05/12/2026\r");
    EXPECT_EQ(l[1], "\r");
    EXPECT_EQ(l[2], "   N\xB0    Ref     Dpt    Nom de la cath\xE9" "drale            Date    Heure  Indicatif\r");
    EXPECT_EQ(l[3], "\r");
    EXPECT_EQ(l[4], "    1    DBF-002B  13  SAINT-\xC9TIENNE                   14/05/15  10:32  F6BBB       \r");
    EXPECT_EQ(l[5].left(19), "    2    DCF-001   ");
    EXPECT_EQ(l[15].left(6), "   12 ");
    EXPECT_EQ(l[16], "\r");
    EXPECT_EQ(l[17], "Liste \xE9tablie par Vitralog, carnet de trafic du DCF\r");
    EXPECT_EQ(l[18], "");  // the last line ends with CR LF too
}

TEST(Rapports, PrintedAwardListHeadingPerLevel) {
    const QStringList e = diplome({confirme("F5AAA", "DCF-001")});
    const QStringList base = impressionDiplome("F5XYZ", "de Base", kJour, e);
    EXPECT_EQ(base[0], QString(17, ' ') + "F5XYZ Diplome DCF De base du 05/12/26");
    EXPECT_EQ(base[2], EnteteImpressionDiplome);
    EXPECT_EQ(base[4], "        1    DCF-001   75  NOTRE-DAME                      14/05/15  10:32  F5AAA       ");
    EXPECT_EQ(base.mid(5), QStringList({"", "", Credit}));
    EXPECT_EQ(titreImpressionDiplome("F5XYZ", "Excellence", kJour),
              QString(17, ' ') + "F5XYZ Diplome DCF Excellence du 05/12/26");
    EXPECT_EQ(titreImpressionDiplome("F5XYZ", "Honneur", kJour),
              QString(17, ' ') + "F5XYZ Diplome DCF Honneur du 05/12/26");
    EXPECT_EQ(titreImpressionDiplome("F5XYZ", QString::fromUtf8("Trophé"), kJour),
              QString(22, ' ') + QString::fromUtf8("F5XYZ Trophé DCF du 05/12/26"));
}

TEST(Rapports, ContactedEntryCarriesEveryField) {
    const QString l = LigneQso::format(Qso{"F5XYZ/P", "2a", "RENÉ", "DCF-001", "14/05/15", "10:32", "CW",
                                          "144 Mhz", "599", "579", "AJACCIO", "*"});
    // A hand-shortened line keeps the columns of what it has; an empty one is all blanks.
    const QStringList e = contactes({l, ligne("F5AAA", "75", "", "DBF-001B", "01/01/20", "10:00"),
                                     "F6ABC        13 PAUL", ""});
    ASSERT_EQ(e.size(), 4);
    for (const QString& x : e) EXPECT_EQ(x.size(), 122);
    EXPECT_EQ(e[0], QString(122, ' '));
    EXPECT_EQ(e[1], QString(15, ' ') + "F6ABC" + QString(9, ' ') + "13 PAUL" + QString(86, ' '));
    EXPECT_EQ(e[2].mid(6, 10), "DBF-001B F");
    EXPECT_EQ(e[2].right(1), " ");
    EXPECT_EQ(e[3], QString::fromUtf8("      DCF-001  F5XYZ/P       2a RENÉ            14/05/15  10:32  CW   "
                                      "144 Mhz  599  579  AJACCIO                         *"));
}

TEST(Rapports, DuplicateFilterKeepsOneLinePerReferenceAndCallsignPrefix) {
    const Log log(QStringList{
        confirme("F5BBB", "DCF-001"),
        ligne("F5AAA", "75", "JEAN", "DCF-001", "14/05/15", "10:32", "SSB", "14 Mhz", "NOTRE-DAME"),
        confirme("F5AAA", "DCF-001"),  // same callsign, confirmed: sorts after the blank QSL
        confirme("F6CCC", "DCF-001"),
        confirme("F5AAA", "DBF-001B"),
        confirme("F5AAA", "DCF-002"),
    });
    const Entrees triees = entreesContactes(log.c);
    ASSERT_EQ(triees.taille(), 6);
    const QStringList vues = sansDoublons(triees).textes();
    EXPECT_EQ(contactesSansDoublons(log.c).textes(), vues);  // kept before the sort, the same list
    ASSERT_EQ(vues.size(), 4);
    EXPECT_EQ(vues[0].mid(6, 13), "DBF-001B F5AA");
    EXPECT_EQ(vues[1].mid(6, 13), "DCF-001  F5AA");
    EXPECT_EQ(vues[1].right(1), " ");  // the unconfirmed one sorts first and is the one kept
    EXPECT_EQ(vues[2].mid(6, 13), "DCF-001  F6CC");
    EXPECT_EQ(vues[3].mid(6, 13), "DCF-002  F5AA");
}

TEST(Rapports, ContactedFileOfAnEmptyLog) {
    const QByteArray b = TextFile::joinLines(fichierContactes("F5XYZ", kJour, sansDoublons(entreesContactes(Log(QByteArray()).c)).textes()));
    const QByteArray titre = QByteArray(19, ' ') +
                             "Liste des Cath\xE9" "drales et Basiliques contact\xE9" "es par F5XYZ au 05/12/2026"
                             " par ordre alphanumerique";
    EXPECT_EQ(b, titre + "\r\n\r\n" + TextFile::encode(EnteteFichierContactes) + "\r\n\r\n\r\n" +
                     TextFile::encode(Credit) + "\r\n");
    EXPECT_EQ(impressionContactes("F5XYZ", kJour, {}).mid(4), QStringList({"", "", Credit}));
}
