#include <gtest/gtest.h>

#include "core/journal/Carnet.h"
#include "core/journal/LigneQso.h"
#include "core/journal/TextFile.h"
#include "core/recherche/Recherche.h"
#include "support/Journal.h"

TEST(RechercheLignes, ReadsOnlyTheColumnOfTheOption) {
    QByteArrayList b;
    for (const QString& x : {ligne("F75AB", "75", "", "DCF-075", "01/02/16", "08:05"),
                             ligne("F5AB", "33", "DCF", "DCF-001", "01/02/16", "08:05"),
                             ligne("F5É", "2a", "", "DBF-001B", "01/02/16", "08:05"), QStringLiteral("F5ZZ")})
        b.append(TextFile::encode(x));
    Carnet l;
    l.charger(TextFile::joinRawLines(b));
    EXPECT_EQ(Recherche::chercher(l, Recherche::ParDepartement, "75"), QList<int>{0});
    EXPECT_EQ(Recherche::chercher(l, Recherche::ParReference, "dcf-001"), QList<int>{1});
    EXPECT_EQ(Recherche::chercher(l, Recherche::ParReference, "dbf-001"), QList<int>{2});
    EXPECT_EQ(Recherche::chercher(l, Recherche::ParIndicatif, "f5"), (QList<int>{1, 2, 3}));
    EXPECT_EQ(Recherche::chercher(l, Recherche::ParIndicatif, "5é"), QList<int>{2});
    EXPECT_TRUE(Recherche::chercher(l, Recherche::ParIndicatif, "DCF").isEmpty());
    EXPECT_TRUE(Recherche::chercher(l, Recherche::ParIndicatif, "F5\u0141").isEmpty());
}

// Lines edited by hand match as their display lines read: the département of
// a line cut short is followed by the blanks of the separators, and only
// blanks are trimmed.
TEST(RechercheLignes, HandEditedLinesMatchAsDisplayed) {
    const QStringList lignes = {QStringLiteral("F5ZZ"), QStringLiteral("F5XYZ        7"),
                                ligne("F6TAB", "75", "", "DCF-01\t", "01/02/16", "08:05")};
    QByteArrayList b;
    for (const QString& x : lignes) b.append(TextFile::encode(x));
    Carnet l;
    l.charger(TextFile::joinRawLines(b));
    // Display columns 23-24 of the cut lines.
    EXPECT_EQ(LigneQso::affichage(lignes[0], 1).mid(22, 2), "  ");
    EXPECT_EQ(LigneQso::affichage(lignes[1], 2).mid(22, 2), "7 ");
    EXPECT_EQ(Recherche::chercher(l, Recherche::ParDepartement, "7 "), QList<int>{1});
    EXPECT_TRUE(Recherche::chercher(l, Recherche::ParDepartement, "7").isEmpty());
    EXPECT_EQ(Recherche::chercher(l, Recherche::ParDepartement, "  "), QList<int>{0});
    EXPECT_TRUE(Recherche::chercher(l, Recherche::ParReference, "DCF-01").isEmpty());
    EXPECT_EQ(Recherche::chercher(l, Recherche::ParIndicatif, "F"), (QList<int>{0, 1, 2}));
}
