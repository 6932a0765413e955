#include <gtest/gtest.h>

#include "log/Ecrivains.h"
#include "platform/TextFile.h"
#include "support/Doubles.h"

namespace {
QByteArray q(const QString& call, const QString& date, const QString& heure) {
    return TextFile::encode(ligne(call, "75", "", "DCF-001", date, heure));
}
using L = QByteArrayList;
}  // namespace

TEST(Ecrivains, CenturyWindowOfTwoDigitYears) {
    EXPECT_EQ(Ecrivains::horodatage(q("A", "15/03/99", "10:00"))->date(), QDate(1999, 3, 15));
    EXPECT_EQ(Ecrivains::horodatage(q("A", "31/12/49", "10:00"))->date(), QDate(2049, 12, 31));
    EXPECT_EQ(Ecrivains::horodatage(q("A", "01/01/50", "10:00"))->date(), QDate(1950, 1, 1));
    EXPECT_FALSE(Ecrivains::horodatage(q("A", "31/02/15", "10:00")));
    EXPECT_FALSE(Ecrivains::horodatage(QByteArray("F6AAA        75 COURT")));
}

TEST(Ecrivains, InsertionByDateAndTime) {
    const L log = {q("A", "15/03/99", "10:00"), q("B", "01/01/05", "10:00"),
                             q("C", "01/01/05", "12:00"), q("D", "01/01/50", "08:00")};
    // 1999 goes before 2005; equal date and time goes before the stored one.
    L r = Ecrivains::insererParDate(log, q("N", "01/01/05", "10:00"));
    EXPECT_EQ(r.indexOf(q("N", "01/01/05", "10:00")), 1);
    r = Ecrivains::insererParDate(log, q("N", "31/12/98", "23:59"));
    EXPECT_EQ(r.first(), q("N", "31/12/98", "23:59"));
    // 31/12/49 is 2049: after everything here, 1950 included.
    r = Ecrivains::insererParDate(log, q("N", "31/12/49", "00:00"));
    EXPECT_EQ(r.last(), q("N", "31/12/49", "00:00"));
    EXPECT_EQ(r.size(), 5);
    // The file order is trusted: N goes before the first later line, though D (1950) is earlier.
    r = Ecrivains::insererParDate(log, q("N", "01/06/99", "00:00"));
    EXPECT_EQ(r.indexOf(q("N", "01/06/99", "00:00")), 1);
    EXPECT_EQ(r.last(), q("D", "01/01/50", "08:00"));
    EXPECT_EQ(Ecrivains::insererParDate({}, q("N", "01/01/05", "10:00")).size(), 1);
}

TEST(Ecrivains, UnreadableStoredLinesAreCopiedNeverChosen) {
    const QByteArray court = "F6AAA        75 COURT";
    const QByteArray mauvais = q("X", "xx/yy/zz", "10:00");
    const L log = {court, mauvais, q("B", "01/01/16", "10:00")};
    const L r = Ecrivains::insererParDate(log, q("N", "01/01/15", "10:00"));
    EXPECT_EQ(r, L({court, mauvais, q("N", "01/01/15", "10:00"), q("B", "01/01/16", "10:00")}));
}

TEST(Ecrivains, ReplaceAndDeleteActOnEveryEqualLine) {
    const QByteArray a = q("A", "01/01/15", "10:00"), b = q("B", "02/01/15", "10:00"),
                  n = q("N", "03/01/15", "10:00");
    EXPECT_EQ(Ecrivains::remplacer({a, b, a}, n, a), L({n, b, n}));
    EXPECT_EQ(Ecrivains::remplacer({a, b}, n, q("Z", "01/01/15", "10:00")), L({a, b, n}));
    EXPECT_EQ(Ecrivains::supprimer({a, b, a}, a), L({b}));
    EXPECT_EQ(Ecrivains::supprimer({a, b}, n), L({a, b}));
    EXPECT_EQ(Ecrivains::ajouterEnFin({b}, a), L({b, a}));
}
