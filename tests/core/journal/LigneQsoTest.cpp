#include <gtest/gtest.h>

#include "core/journal/LigneQso.h"
#include "core/journal/TextFile.h"
#include "support/Doubles.h"

namespace {

Qso exemple() {
    return Qso{"F5XYZ", "75", "JEAN", "DCF-001", "14/05/15", "10:32", "SSB",
               "14 Mhz", "59", "57", "NOTRE-DAME DE PARIS", "*"};
}

}  // namespace

TEST(LigneQso, FormatPutsEveryFieldInItsColumns) {
    const QString l = LigneQso::format(exemple());
    ASSERT_EQ(l.size(), 107);
    EXPECT_EQ(l.mid(0, 12), "F5XYZ       ");
    EXPECT_EQ(l.mid(12, 1), " ");
    EXPECT_EQ(l.mid(13, 2), "75");
    EXPECT_EQ(l.mid(16, 15), "JEAN           ");
    // DCF-001 and one blank fill 33-40; the date touches it at 41.
    EXPECT_EQ(l.mid(32, 8), "DCF-001 ");
    EXPECT_EQ(l.mid(40, 8), "14/05/15");
    EXPECT_EQ(l.mid(49, 5), "10:32");
    EXPECT_EQ(l.mid(55, 3), "SSB");
    EXPECT_EQ(l.mid(59, 7), "14 Mhz ");
    EXPECT_EQ(l.mid(67, 3), "59 ");
    EXPECT_EQ(l.mid(71, 3), "57 ");
    EXPECT_EQ(l.mid(75, 30), "NOTRE-DAME DE PARIS           ");
    EXPECT_EQ(l.mid(105, 1), " ");
    EXPECT_EQ(l.mid(106, 1), "*");
}

TEST(LigneQso, BasilicaReferenceFillsItsEightColumns) {
    Qso q = exemple();
    q.ref = "DBF-001B";
    q.qsl = " ";
    q.prenom = "";
    q.nom = "";
    const QString l = LigneQso::format(q);
    ASSERT_EQ(l.size(), 107);
    EXPECT_EQ(l.mid(32, 16), "DBF-001B14/05/15");
    EXPECT_EQ(l.mid(16, 15), QString(15, ' '));
    EXPECT_EQ(l.mid(75, 32), QString(32, ' '));
}

TEST(LigneQso, ParseGivesBackTheFieldsAndShortLinesGiveShortFields) {
    const Qso q = LigneQso::parse(LigneQso::format(exemple()));
    EXPECT_EQ(q.indicatif, "F5XYZ       ");
    EXPECT_EQ(q.ref, "DCF-001 ");
    EXPECT_EQ(q.date, "14/05/15");
    EXPECT_EQ(q.nom.trimmed(), "NOTRE-DAME DE PARIS");
    EXPECT_EQ(q.qsl, "*");

    const Qso s = LigneQso::parse("F6ABC        13 PAUL");
    EXPECT_EQ(s.indicatif, "F6ABC       ");
    EXPECT_EQ(s.dpt, "13");
    EXPECT_EQ(s.prenom, "PAUL");
    EXPECT_TRUE(s.ref.isEmpty());
    EXPECT_TRUE(s.qsl.isEmpty());
}

TEST(LigneQso, DisplayLineColumnsAndRunningNumbers) {
    const QString l = LigneQso::format(exemple());
    const QString d = LigneQso::affichage(l, 1);
    ASSERT_EQ(d.size(), 126);
    EXPECT_EQ(d.left(8), "     1  ");
    EXPECT_EQ(d.mid(8, 12), "F5XYZ       ");
    EXPECT_EQ(d.mid(22, 2), "75");
    EXPECT_EQ(d.mid(26, 15), "JEAN           ");
    EXPECT_EQ(d.mid(43, 8), "DCF-001 ");
    EXPECT_EQ(d.mid(51, 1), " ");
    EXPECT_EQ(d.mid(52, 8), "14/05/15");
    EXPECT_EQ(d.mid(62, 5), "10:32");
    EXPECT_EQ(d.mid(69, 3), "SSB");
    EXPECT_EQ(d.mid(74, 7), "14 Mhz ");
    EXPECT_EQ(d.mid(83, 3), "59 ");
    EXPECT_EQ(d.mid(88, 3), "57 ");
    EXPECT_EQ(d.mid(93, 30), "NOTRE-DAME DE PARIS           ");
    EXPECT_EQ(d.mid(125, 1), "*");

    const QStringList all = LigneQso::affichages(QStringList(12, l));
    EXPECT_TRUE(all[2].startsWith("     3  "));
    EXPECT_TRUE(all[9].startsWith("    10  "));
    EXPECT_EQ(LigneQso::affichage(l, 99999).left(6), " 99999");
}

TEST(LigneQso, DisplayLineRebuildsTheStoredLineCharacterForCharacter) {
    for (const char* ref : {"DCF-001", "DBF-001B"}) {
        Qso q = exemple();
        q.ref = ref;
        q.nom = "BASILIQUE SAINT-SERNIN";
        for (const char* qsl : {"*", " "}) {
            q.qsl = qsl;
            const QString l = LigneQso::format(q);
            EXPECT_EQ(LigneQso::reconstruire(LigneQso::affichage(l, 42)), l);
        }
    }
    // Only the name is upper-cased on rebuild; the delete takes it as shown.
    Qso q = exemple();
    q.nom = "Cathédrale";
    const QString d = LigneQso::affichage(LigneQso::format(q), 1);
    EXPECT_EQ(LigneQso::parse(LigneQso::reconstruire(d)).nom.trimmed(), "CATHÉDRALE");
    EXPECT_EQ(LigneQso::parse(LigneQso::reconstruire(d, true)).nom.trimmed(), "Cathédrale");
}

TEST(LigneQso, AccentedLettersAreOneByteInTheFile) {
    Qso q = exemple();
    q.prenom = "RENÉ";
    q.nom = "SAINT-ÉTIENNE";
    const QString l = LigneQso::format(q);
    const QByteArray bytes = TextFile::joinLines({l});
    ASSERT_EQ(bytes.size(), 109);
    EXPECT_EQ(bytes.mid(16, 4), QByteArray("REN\xC9"));
    EXPECT_EQ(bytes.mid(75, 2), QByteArray("SA"));
    EXPECT_EQ(bytes.right(2), QByteArray("\r\n"));
    EXPECT_EQ(TextFile::decode(bytes.left(107)), l);
}

TEST(LigneQso, HeaderIsTheFixedCaption) {
    const QString& e = LigneQso::Entete;
    EXPECT_EQ(e.size(), 190);
    EXPECT_TRUE(e.startsWith("         N°    Indicatif               Dpt      Prénom"));
    EXPECT_TRUE(e.endsWith("Mom de la Cathédrale                      QSL"));
}
