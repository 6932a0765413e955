#include <gtest/gtest.h>

#include "core/journal/LigneQso.h"
#include "core/journal/TextFile.h"

// One description of the columns: the stored line, the display line built from
// it and the stored line rebuilt from the display, for a cathedral and for a
// basilica whose eight-character reference touches the date.
TEST(LigneQso, StoredAndDisplayedColumnsRoundTrip) {
    const struct {
        Qso q;
        QString stocke, affiche;
    } cas[] = {
        {{"F5XYZ", "75", "JEAN", "DCF-001", "14/05/15", "10:32", "SSB", "14 Mhz", "59", "57", "NOTRE-DAME DE PARIS",
          "*"},
         "F5XYZ        75 JEAN            DCF-001 14/05/15 10:32 SSB 14 Mhz  59  57  NOTRE-DAME DE PARIS            *",
         "     1  F5XYZ         75  JEAN             DCF-001  14/05/15  10:32  SSB  14 Mhz   59   57   "
         "NOTRE-DAME DE PARIS             *"},
        {{"F6ABC", "2a", "", "DBF-001B", "01/01/00", "00:00", "CW", "144 Mhz", "599", "5", "", " "},
         "F6ABC        2a                 DBF-001B01/01/00 00:00 CW  144 Mhz 599 5                                   ",
         " 99999  F6ABC         2a                   DBF-001B 01/01/00  00:00  CW   144 Mhz  599  5     "
         "                                "},
    };
    for (const auto& c : cas) {
        const int n = c.affiche.left(6).trimmed().toInt();
        EXPECT_EQ(LigneQso::format(c.q), c.stocke);
        EXPECT_EQ(LigneQso::format(LigneQso::parse(c.stocke)), c.stocke);
        EXPECT_EQ(LigneQso::affichage(c.stocke, n), c.affiche);
        EXPECT_EQ(LigneQso::reconstruire(c.affiche), c.stocke);
    }
    EXPECT_EQ(LigneQso::affichages(QStringList(10, cas[0].stocke))[9].left(8), "    10  ");
    // Past the end of a short line the fields come out short or empty.
    const Qso s = LigneQso::parse("F6ABC        13 PAUL");
    EXPECT_EQ(QStringList({s.indicatif, s.dpt, s.prenom, s.ref, s.qsl}),
              QStringList({"F6ABC       ", "13", "PAUL", "", ""}));

    // Readers of the raw bytes take the same fields by name.
    using LigneQso::Champ;
    const QByteArray b0 = TextFile::encode(cas[0].stocke), b1 = TextFile::encode(cas[1].stocke);
    EXPECT_EQ(QList<QByteArrayView>(
                  {LigneQso::champ(b1, Champ::Reference), LigneQso::sansBlancs(LigneQso::champ(b0, Champ::Nom)),
                   LigneQso::champ("F6ABC        13 PAUL", Champ::Prenom), LigneQso::champ("F6ABC", Champ::Date)}),
              QList<QByteArrayView>({"DBF-001B", "NOTRE-DAME DE PARIS", "PAUL", ""}));
}

// The rebuild upper-cases the name; the delete takes it as shown. An accented
// letter is one byte in the file.
TEST(LigneQso, NameCaseOnRebuildAndOneBytePerLetter) {
    const QString l = LigneQso::format(
        {"F5XYZ", "75", "RENÉ", "DCF-001", "14/05/15", "10:32", "SSB", "14 Mhz", "59", "57", "Cathédrale", " "});
    const QString d = LigneQso::affichage(l, 1);
    EXPECT_EQ(LigneQso::parse(LigneQso::reconstruire(d)).nom.trimmed(), "CATHÉDRALE");
    EXPECT_EQ(LigneQso::reconstruire(d, true), l);
    const QByteArray octets = TextFile::joinLines({l});
    ASSERT_EQ(octets.size(), LigneQso::Longueur + 2);
    EXPECT_EQ(octets.mid(16, 4), "REN\xC9");
}
