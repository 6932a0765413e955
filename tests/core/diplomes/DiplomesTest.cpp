// The award lists, the département map, the progression and the fast sorts
// behind the lists, all read from a log's lines.
#include <gtest/gtest.h>
#include <random>
#include <tuple>

#include "core/diplomes/CarteLogic.h"
#include "core/diplomes/Progression.h"
#include "core/diplomes/Rapports.h"
#include "core/diplomes/TriRapide.h"
#include "core/journal/Carnet.h"
#include "core/journal/LigneQso.h"
#include "core/journal/TextFile.h"
#include "support/Journal.h"

using namespace CarteLogic;
using namespace Progression;
using namespace Rapports;
using LigneQso::Champ;
using TriRapide::Piece;

namespace {

const QString kJour = "05/12/2026";

// The log holding these lines, as read from its file.
struct Log : Carnet {
    explicit Log(const QStringList& lignes) { charger(TextFile::joinLines(lignes)); }
};

// A confirmed QSO, as the award lists take it.
QString confirme(const QString& call, const QString& ref, const QString& dpt = "75", const QString& nom = "NOTRE-DAME",
                 const QString& date = "14/05/15") {
    return ligne(call, dpt, "JEAN", ref, date, "10:32", "SSB", "14 Mhz", nom, true);
}

QStringList diplome(const QStringList& l) { return entreesDiplome(Log(l)).textes(); }

// A QSO in a département, for the map; a QSO on a day and band, for the progression.
QString qsoDpt(const QString& dpt, bool qsl = false) {
    return ligne("F6ABC", dpt, "JEAN", "DCF-001", "01/02/24", "10:00", "SSB", "14 Mhz", "NOTRE-DAME", qsl);
}

QString qso(const QString& ref, const QString& date, const QString& bande, bool qsl, const QString& heure = "10:00") {
    return ligne("F5AAA", "75", "JEAN", ref, date, heure, "SSB", bande, "NOTRE-DAME", qsl);
}

// The contacted list's shape (key: reference and two callsign bytes), and
// another whose key is a short field and five bytes of a long one.
constexpr Piece kContactes[] = {{6, Champ::Reference}, {1, Champ::Indicatif}, {2, Champ::Departement},
                                {1, Champ::Prenom},    {1, Champ::Date},      {2, Champ::Heure},
                                {2, Champ::Mode},      {2, Champ::Bande},     {2, Champ::RstRecu},
                                {2, Champ::RstEnvoye}, {2, Champ::Nom},       {2, Champ::Qsl}};
constexpr Piece kAutre[] = {{3, Champ::Departement}, {2, Champ::Nom}, {1, Champ::Qsl}, {0, Champ::Indicatif}};

// A log where keys meet again and again: few references, callsign starts and
// field values, bytes past 0x7F, short and empty lines, lines repeated or
// nearly.
QByteArray logAuHasard(std::mt19937& hasard) {
    const auto tirer = [&hasard](int n) { return int(hasard() % unsigned(n)); };
    static const char alphabet[] = {' ', 'A', 'B', '0', '\x80', '\xC9', '\xE9', '\xFF'};
    const auto champ = [&](int largeur, int valeurs) {
        QByteArray v;
        for (int i = 0; i < largeur; ++i) v += alphabet[tirer(valeurs)];
        return v;
    };
    static const QByteArray references[] = {"DCF-001 ", "DBF-002B", "DCF-\xC9\x80\xFF "};
    // Few values everywhere in some logs: entries then tie far into their bytes.
    const int valeurs = 2 + tirer(7);
    QList<QByteArray> lignes;
    const int n = tirer(4) == 0 ? tirer(5) : tirer(300);
    for (int i = 0; i < n; ++i) {
        // An earlier line again, as it was or with one byte changed: entries
        // that differ only far in, even in their last byte.
        if (!lignes.isEmpty() && tirer(3) == 0) {
            QByteArray l = lignes[tirer(int(lignes.size()))];
            if (!l.isEmpty() && tirer(3) != 0) l[tirer(int(l.size()))] = alphabet[tirer(valeurs)];
            lignes << l;
            continue;
        }
        QByteArray l = champ(LigneQso::Longueur, valeurs);
        l.replace(LigneQso::position(Champ::Reference).stockee, 8, references[tirer(3)]);
        l.replace(0, 2, champ(2, 2));
        l.replace(LigneQso::position(Champ::Departement).stockee, 2, champ(2, 3));
        l.replace(LigneQso::position(Champ::Nom).stockee, 5, champ(5, 2));
        if (tirer(8) == 0) l.truncate(tirer(LigneQso::Longueur));
        lignes << l;
    }
    return lignes.join("\r\n");
}

// The fast sort and the fast filter give the plain versions' bytes.
template <const auto& pieces, int suite>
void comparer(const Carnet& log) {
    constexpr int largeur = TriRapide::largeurEntree(pieces), debut = pieces[0].blancs;
    QByteArray entrees(log.nombre() * largeur, Qt::Uninitialized);
    char* d = entrees.data();
    for (qsizetype i = 0; i < log.nombre(); ++i) d = TriRapide::ecrireEntree(d, log.ligne(i), pieces);
    const QByteArray triees = TriRapide::trierSimplement(entrees, largeur);
    ASSERT_EQ(TriRapide::trier(entrees, largeur, debut).toStdString(), triees.toStdString());
    const int largeurCle = pieces[0].largeur() + pieces[1].blancs + suite;
    EXPECT_EQ(TriRapide::trier(TriRapide::plusPetitParCle<pieces, suite>(log), largeur, debut).toStdString(),
              TriRapide::premierParCle(triees, largeur, debut, largeurCle).toStdString());
}

}  // namespace

TEST(Rapports, ConfirmedCountAndItsText) {
    // The same reference counts twice.
    const Log log(
        {confirme("F5AAA", "DCF-001"), confirme("F5AAA", "DCF-001"), qso("DCF-003", "01/01/20", "14 Mhz", false)});
    EXPECT_EQ(compteConfirmes(log), 2);
    EXPECT_EQ(texteCompte(10, 0), "il vous manque 10 Cathédrales confirmées");
    EXPECT_EQ(texteCompte(10, 10), "avec les QSL des 10 Cathédrales confirmés");
}

TEST(Rapports, HeadersPutTheirCaptionsAtTheirColumns) {
    // A header's width, then the 1-based column of a caption.
    const auto place = [](const QString& entete, const QString& titre) {
        return QString("%1 %2").arg(entete.size()).arg(entete.indexOf(titre) + 1);
    };
    EXPECT_EQ(QStringList({place(EnteteListeDiplome, "Heure Indicatif"), place(EnteteImpressionDiplome, "Indicatif"),
                           place(EnteteListeContactes, "QSL"), place(EnteteFichierContactes, "QSL")}),
              QStringList({"73 59", "84 76", "184 182", "122 120"}));
}

TEST(Rapports, AwardEntriesAreConfirmedQsosInByteOrder) {
    // Not confirmed: the second line, and the last one, short of column 107.
    const QStringList e = diplome(
        {confirme("F5AAA", "DCF-010"), ligne("F5ZZZ", "13", "", "DBF-001B", "01/01/20", "10:00"),
         confirme("F6BBB", "DBF-002B", "13", "MARSEILLE"), confirme("F5AAA", "DCF-010", "75", "NOTRE-DAME", "01/06/15"),
         confirme("F6BBB", "DBF-002B", "13", "MARSEILLE").left(106)});
    // Same reference: the date compares as text, day first.
    EXPECT_EQ(e, QStringList({"   DBF-002B  13  MARSEILLE                       14/05/15  10:32  F6BBB       ",
                              "   DCF-010   75  NOTRE-DAME                      01/06/15  10:32  F5AAA       ",
                              "   DCF-010   75  NOTRE-DAME                      14/05/15  10:32  F5AAA       "}));
}

TEST(Rapports, EntriesSortInWindows1252ByteOrderPastTheirFirstSixteenBytes) {
    // Same reference and callsign start: the order is decided far in, by
    // bytes (0x80 the euro sign before 0xC9), not by code points.
    QStringList log, noms;
    for (const char* nom : {"SAINT-ÉTIENNE", "SAINT-€", "SAINT-Z", "SAINT Z"})
        log << confirme("F5AAA", "DCF-001", "75", nom);
    for (const QString& e : diplome(log)) noms << e.mid(17, 7);
    EXPECT_EQ(noms, QStringList({"SAINT Z", "SAINT-Z", "SAINT-€", "SAINT-É"}));
}

TEST(Rapports, AwardFileNameAndBytes) {
    EXPECT_EQ(nomFichierDiplome("F5XYZ", "Trophé", kJour), "F5XYZ_Diplome_DCF_Trophe_05_12_26.txt");
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
    const Log log({l, ligne("F5AAA", "75", "", "DBF-001B", "01/01/20", "10:00"), "F6ABC        13 PAUL", ""});
    EXPECT_EQ(
        entreesContactes(log).textes(),
        QStringList({QString(122, ' '), QString("               F6ABC         13 PAUL").leftJustified(122),
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
    const Entrees triees = entreesContactes(log);
    ASSERT_EQ(triees.taille(), 6);
    const QStringList vues = sansDoublons(triees).textes();
    EXPECT_EQ(contactesSansDoublons(log).textes(), vues);  // kept before the sort, the same list
    // Reference, callsign start and QSL: the unconfirmed one sorts first and is the one kept.
    QStringList debuts;
    for (const QString& v : vues) debuts << v.mid(6, 13) + v.right(1);
    EXPECT_EQ(debuts, QStringList({"DBF-001B F5AA*", "DCF-001  F5AA ", "DCF-001  F6CC*", "DCF-002  F5AA*"}));
}

TEST(Rapports, ContactedFileNameAndTheFileOfAnEmptyLog) {
    EXPECT_EQ(nomFichierContactes("F5XYZ_P", kJour), QString::fromUtf8("Cathédrales_Contactes_F5XYZ_P_05_12_26.txt"));
    const QByteArray b = TextFile::joinLines(
        rapportContactes("F5XYZ", kJour, sansDoublons(entreesContactes(Log({}))).textes()).lignesFichier());
    const QByteArray titre =
        "Liste des Cath\351drales et Basiliques contact\351es par F5XYZ au 05/12/2026 par ordre alphanumerique";
    EXPECT_EQ(b, QByteArray(19, ' ') + titre + "\r\n\r\n" + TextFile::encode(EnteteFichierContactes) + "\r\n\r\n\r\n" +
                     TextFile::encode(Credit) + "\r\n");
}

// Accented letters and superscripts are not codes; a field longer than its
// two characters never reaches past the boxes.
TEST(CarteLogic, FieldToBox) {
    const std::pair<QByteArray, int> cas[] = {
        {"01", 1},  {" 5", 5},  {"99", 99}, {"00", 0},   {"2A", 96},    {"2b", 97},
        {"2c", -1}, {"  ", -1}, {"a1", -1}, {"\t5", -1}, {"\2625", -1}, {"123", -1},
    };
    for (const auto& [dpt, box] : cas) EXPECT_EQ(caseDepartement(dpt), box) << dpt.constData();
}

TEST(CarteLogic, ColoursAndCounts) {
    // The state of the boxes named (0 not contacted, 1 contacted, 2 confirmed) | the total and the confirmed |
    // the text of those not contacted.
    const auto etats = [](const QStringList& log, std::initializer_list<int> boites) {
        const Carte c = colorier(Log(log));
        QString s;
        for (int b : boites) s += QString::number(int(c.etats[b]));
        EXPECT_EQ(c.confirmes + c.nonConfirmes, c.total);
        return QString("%1|%2 %3|").arg(s).arg(c.total).arg(c.confirmes) +
               texteNonContactes(c.nonConfirmes, c.confirmes);
    };
    // A confirmed box never turns back, whichever comes first.
    EXPECT_EQ(etats({qsoDpt("75"), qsoDpt("75", true), qsoDpt("29", true), qsoDpt("29"), qsoDpt("2B"), qsoDpt("13")},
                    {75, 29, 97, 13, 1}),
              "22110|4 2| 92 Dpt non contactés");
    // Skipped fields; a line cut inside the field still names it; "00" colours box 0, never counted.
    EXPECT_EQ(etats({qsoDpt("2c", true), "", "F6ABC", "F6ABC        4", qsoDpt("00", true)}, {4, 0, 96, 97}),
              "1200|1 0| 95 Dpt non contactés");
    // Every département plus 20, 98 and 99: more contacted than drawn.
    QStringList log;
    for (int i = 1; i < NbCases; ++i) log << qsoDpt(QString::number(i), i % 2 == 0);
    EXPECT_EQ(etats(log, {}), "|99 49|-3 Dpt non contactés");
    EXPECT_EQ(texteConfirmes(2), QStringLiteral(" 2 Dpt confirmés"));
}

TEST(CarteLogic, BoxTextsAndMapIds) {
    const std::tuple<int, const char*, const char*> cas[] = {
        {0, "00", ""}, {7, "07", "07"}, {20, "X", ""}, {96, "2a", "2A"}, {97, "2b", "2B"}};
    for (const auto& [i, texte, id] : cas)
        EXPECT_EQ(QStringList({texteCase(i), idSvg(i)}), QStringList({texte, id})) << i;
    int visibles = 0;
    for (int i = 0; i < NbCases; ++i) visibles += caseVisible(i);
    EXPECT_EQ(visibles, NbDepartements);
}

TEST(Progression, MonthlyFiguresFromTheFirstQsoToToday) {
    const QDate avril(2026, 4, 15);
    const QStringList journal = {
        qso("DCF-001", "20/01/26", "14 Mhz", false),
        qso("DCF-002", "28/01/26", "14 Mhz", true),
        qso("DCF-002", "05/02/26", "14 Mhz", true),   // counts again for the award, once as a reference
        qso("", "10/02/26", "14 Mhz", true),          // no reference: the award's alone
        qso("DCF-001", "03/03/26", "7.0 Mhz", true),  // confirmed two months after its first QSO
        qso("DCF-001", "12/03/26", "145", false),     // a band outside the table
        qso("DBF-003B", "10/04/26", "3.5 Mhz", false),
        qso("DCF-004", "10/04/26", "21 Mhz", true, "99:99"),  // undated: from the first month
        qso("DCF-005", "01/01/30", "28 Mhz", true),           // after today: in today's month
    };
    const Figures f = calculer(Log(journal), avril);
    EXPECT_EQ(f.premierMois, QDate(2026, 1, 1));
    EXPECT_EQ(f.diplome, QList<int>({2, 4, 5, 6}));
    EXPECT_EQ(f.contactees, QList<int>({3, 3, 3, 5}));
    EXPECT_EQ(f.confirmees, QList<int>({2, 2, 3, 4}));
    // An empty log: today's month alone.
    const Figures vide = calculer(Log({}), avril);
    EXPECT_EQ(vide.premierMois, QDate(2026, 4, 1));
    EXPECT_EQ(vide.diplome + vide.contactees + vide.confirmees, QList<int>({0, 0, 0}));
    // A reference counts once per band it was contacted on; confirmed only where its QSL is; the table's
    // bands shown even when empty. Each as "name contacted/confirmed".
    QStringList bandes;
    for (const Bande& b : f.bandes) bandes << QString("%1 %2/%3").arg(b.nom).arg(b.contactees).arg(b.confirmees);
    EXPECT_EQ(bandes,
              QStringList({"1.8 Mhz 0/0", "3.5 Mhz 1/0", "7.0 Mhz 1/1", "10 Mhz 0/0", "14 Mhz 2/1", "18 Mhz 0/0",
                           "21 Mhz 1/1", "24 Mhz 0/0", "28 Mhz 1/1", "50 Mhz 0/0", "144 Mhz 0/0", "Autres 1/0"}));
    // The tool tips give the exact figures of a month and of a band.
    EXPECT_EQ(bulleMois(f, 1),
              "02/2026\nDiplome DCF : 4 QSO confirmés\nRéférences contactées : 3\nRéférences confirmées : 2");
    EXPECT_EQ(bulleBande(f.bandes[4]), "14 Mhz\nRéférences contactées : 2\nRéférences confirmées : 1");
}

TEST(Progression, NextLevelAtThePaceOfTheLastTwelveMonths) {
    const std::pair<QList<int>, QString> cas[] = {
        // 3 missing at 7 a year: 5.1 months, reached in the 6th month after.
        {{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 7}, "Niveau suivant (de Base) vers 07/2027 au rythme actuel"},
        {{10}, "Niveau suivant (Excellence) vers 01/2028 au rythme actuel"},
        // Gained before the last 12 months only.
        {{0, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3}, ""},
        {{99, 100}, "Tous les niveaux sont atteints"},
    };
    Figures f;
    f.premierMois = QDate(2026, 1, 1);
    for (const auto& [mois, texte] : cas) {
        f.diplome = mois;
        EXPECT_EQ(projection(f), texte) << mois.size();
    }
    EXPECT_EQ(libelleSeuil(Rapports::niveaux()[1]), "Niveau Excellence : 30");
}

TEST(TriRapide, FastSortAndFilterGiveThePlainVersionsBytesOnRandomLogs) {
    const unsigned graine = std::random_device{}();
    std::mt19937 hasard(graine);
    int avecDoublons = 0;
    for (int essai = 0; essai < 300; ++essai) {
        SCOPED_TRACE(testing::Message() << "graine " << graine << ", log " << essai);
        Carnet log;
        log.charger(logAuHasard(hasard));
        comparer<kContactes, 2>(log);
        comparer<kAutre, 5>(log);
        if (HasFatalFailure() || HasNonfatalFailure()) return;
        const QByteArray gardees = TriRapide::plusPetitParCle<kContactes, 2>(log);
        avecDoublons += gardees.size() < log.nombre() * TriRapide::largeurEntree(kContactes);
    }
    EXPECT_GT(avecDoublons, 150);  // most logs repeat keys, so the filter had work to do
}
