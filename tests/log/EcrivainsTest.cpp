#include <gtest/gtest.h>

#include "log/Ecrivains.h"
#include "support/Doubles.h"

namespace {
QString q(const QString& call, const QString& date, const QString& heure) {
    return ligne(call, "75", "", "DCF-001", date, heure);
}
}  // namespace

TEST(Ecrivains, CenturyWindowOfTwoDigitYears) {
    EXPECT_EQ(Ecrivains::horodatage(q("A", "15/03/99", "10:00"))->date(), QDate(1999, 3, 15));
    EXPECT_EQ(Ecrivains::horodatage(q("A", "31/12/49", "10:00"))->date(), QDate(2049, 12, 31));
    EXPECT_EQ(Ecrivains::horodatage(q("A", "01/01/50", "10:00"))->date(), QDate(1950, 1, 1));
    EXPECT_FALSE(Ecrivains::horodatage(q("A", "31/02/15", "10:00")));
    EXPECT_FALSE(Ecrivains::horodatage("F6AAA        75 COURT"));
}

TEST(Ecrivains, InsertionByDateAndTime) {
    const QStringList log = {q("A", "15/03/99", "10:00"), q("B", "01/01/05", "10:00"),
                             q("C", "01/01/05", "12:00"), q("D", "01/01/50", "08:00")};
    // 1999 goes before 2005; equal date and time goes before the stored one.
    QStringList r = Ecrivains::insererParDate(log, q("N", "01/01/05", "10:00"));
    EXPECT_EQ(r.indexOf(q("N", "01/01/05", "10:00")), 1);
    r = Ecrivains::insererParDate(log, q("N", "31/12/98", "23:59"));
    EXPECT_EQ(r.first(), q("N", "31/12/98", "23:59"));
    // 31/12/49 is 2049: after everything here, 1950 included.
    r = Ecrivains::insererParDate(log, q("N", "31/12/49", "00:00"));
    EXPECT_EQ(r.last(), q("N", "31/12/49", "00:00"));
    EXPECT_EQ(r.size(), 5);
    // The file order is trusted: D (1950) is not moved, N goes before the first later line.
    r = Ecrivains::insererParDate(log, q("N", "01/01/60", "00:00"));
    EXPECT_EQ(r.indexOf(q("N", "01/01/60", "00:00")), 1);
    EXPECT_EQ(Ecrivains::insererParDate({}, q("N", "01/01/05", "10:00")).size(), 1);
}

TEST(Ecrivains, UnreadableStoredLinesAreCopiedNeverChosen) {
    const QString court = "F6AAA        75 COURT";
    const QString mauvais = q("X", "xx/yy/zz", "10:00");
    const QStringList log = {court, mauvais, q("B", "01/01/16", "10:00")};
    const QStringList r = Ecrivains::insererParDate(log, q("N", "01/01/15", "10:00"));
    EXPECT_EQ(r, QStringList({court, mauvais, q("N", "01/01/15", "10:00"), q("B", "01/01/16", "10:00")}));
}

TEST(Ecrivains, ReplaceAndDeleteActOnEveryEqualLine) {
    const QString a = q("A", "01/01/15", "10:00"), b = q("B", "02/01/15", "10:00"),
                  n = q("N", "03/01/15", "10:00");
    EXPECT_EQ(Ecrivains::remplacer({a, b, a}, n, a), QStringList({n, b, n}));
    EXPECT_EQ(Ecrivains::remplacer({a, b}, n, q("Z", "01/01/15", "10:00")), QStringList({a, b, n}));
    EXPECT_EQ(Ecrivains::supprimer({a, b, a}, a), QStringList({b}));
    EXPECT_EQ(Ecrivains::supprimer({a, b}, n), QStringList({a, b}));
    EXPECT_EQ(Ecrivains::ajouterEnFin({b}, a), QStringList({b, a}));
}
