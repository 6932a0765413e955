#include <gtest/gtest.h>

#include "core/journal/Carnet.h"
#include "core/journal/LigneQso.h"
#include "core/journal/TextFile.h"
#include "core/recherche/Recherche.h"
#include "support/Journal.h"

// Each option reads its own column only. Lines edited by hand match as their
// display lines read: the département of a line cut short is followed by the
// blanks of the separators, and only blanks are trimmed.
TEST(RechercheLignes, ReadsOnlyTheColumnOfTheOptionAsDisplayed) {
    const QStringList lignes = {ligne("F75AB", "75", "", "DCF-075", "01/02/16", "08:05"),
                                ligne("F5AB", "33", "DCF", "DCF-001", "01/02/16", "08:05"),
                                ligne("F5É", "2a", "", "DBF-001B", "01/02/16", "08:05"),
                                "F5ZZ",
                                "F5XYZ        7",
                                ligne("F6TAB", "75", "", "DCF-01\t", "01/02/16", "08:05")};
    Carnet l;
    l.charger(TextFile::joinLines(lignes));
    // Display columns 23-24 of the cut lines.
    EXPECT_EQ(LigneQso::affichage(lignes[3], 4).mid(22, 2) + "|" + LigneQso::affichage(lignes[4], 5).mid(22, 2),
              "  |7 ");
    using namespace Recherche;
    const auto t = [&](int option, const QString& critere) { return chercher(l, option, critere); };
    EXPECT_EQ(QList<QList<int>>({t(ParDepartement, "75"), t(ParReference, "dcf-001"), t(ParReference, "dbf-001"),
                                 t(ParReference, "DCF-01"), t(ParIndicatif, "f5"), t(ParIndicatif, "5é"),
                                 t(ParIndicatif, "DCF"), t(ParIndicatif, "F5\u0141"), t(ParIndicatif, "F"),
                                 t(ParDepartement, "7 "), t(ParDepartement, "7"), t(ParDepartement, "  ")}),
              QList<QList<int>>({{0, 5}, {1}, {2}, {}, {1, 2, 3, 4}, {2}, {}, {}, {0, 1, 2, 3, 4, 5}, {4}, {}, {3}}));
}
