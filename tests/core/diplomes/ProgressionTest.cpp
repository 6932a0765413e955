#include <gtest/gtest.h>

#include "core/diplomes/Progression.h"
#include "core/diplomes/Rapports.h"
#include "core/journal/Carnet.h"
#include "core/journal/TextFile.h"
#include "support/Journal.h"

using namespace Progression;

namespace {

QString qso(const QString& ref, const QString& date, const QString& bande, bool qsl, const QString& heure = "10:00") {
    return ligne("F5AAA", "75", "JEAN", ref, date, heure, "SSB", bande, "NOTRE-DAME", qsl);
}

Figures figures(const QStringList& lignes, QDate aujourdhui) {
    Carnet c;
    c.charger(TextFile::joinLines(lignes));
    return calculer(c, aujourdhui);
}

// Contacted and confirmed per band, as "name contacted/confirmed".
QStringList parBande(const Figures& f) {
    QStringList l;
    for (const Bande& b : f.bandes) l << QString("%1 %2/%3").arg(b.nom).arg(b.contactees).arg(b.confirmees);
    return l;
}

}  // namespace

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
    struct Cas {
        const char* nom;
        QStringList lignes;
        QDate aujourdhui, premier;
        QList<int> diplome, contactees, confirmees;
    } cas[] = {
        {"journal", journal, avril, QDate(2026, 1, 1), {2, 4, 5, 6}, {3, 3, 3, 5}, {2, 2, 3, 4}},
        {"vide", {}, avril, QDate(2026, 4, 1), {0}, {0}, {0}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        const Figures f = figures(c.lignes, c.aujourdhui);
        EXPECT_EQ(f.premierMois, c.premier);
        EXPECT_EQ(f.diplome, c.diplome);
        EXPECT_EQ(f.contactees, c.contactees);
        EXPECT_EQ(f.confirmees, c.confirmees);
    }
    // A reference counts once per band it was contacted on; confirmed only where its QSL is; the table's
    // bands shown even when empty.
    EXPECT_EQ(parBande(figures(journal, avril)),
              QStringList({"1.8 Mhz 0/0", "3.5 Mhz 1/0", "7.0 Mhz 1/1", "10 Mhz 0/0", "14 Mhz 2/1", "18 Mhz 0/0",
                           "21 Mhz 1/1", "24 Mhz 0/0", "28 Mhz 1/1", "50 Mhz 0/0", "144 Mhz 0/0", "Autres 1/0"}));
}

TEST(Progression, NextLevelAtThePaceOfTheLastTwelveMonths) {
    const auto suite = [](QList<int> d) {
        Figures f;
        f.premierMois = QDate(2026, 1, 1);
        f.diplome = d;
        return projection(f);
    };
    QList<int> treizeMois(13, 0);
    treizeMois.last() = 7;  // 3 missing at 7 a year: 5.1 months, reached in the 6th month after
    QList<int> plat(14, 3);
    plat[0] = 0;  // gained before the last 12 months only
    const std::pair<QList<int>, QString> cas[] = {
        {treizeMois, "Niveau suivant (de Base) vers 07/2027 au rythme actuel"},
        {{10}, "Niveau suivant (Excellence) vers 01/2028 au rythme actuel"},
        {plat, ""},
        {{99, 100}, "Tous les niveaux sont atteints"},
    };
    for (const auto& [diplome, texte] : cas) EXPECT_EQ(suite(diplome), texte) << diplome.size();
}

TEST(Progression, ToolTipsGiveTheExactFigures) {
    Figures f;
    f.premierMois = QDate(2025, 11, 1);
    f.diplome = {4, 12};
    f.contactees = {6, 15};
    f.confirmees = {3, 10};
    EXPECT_EQ(bulleMois(f, 1),
              "12/2025\nDiplome DCF : 12 QSO confirmés\nRéférences contactées : 15\nRéférences confirmées : 10");
    EXPECT_EQ(bulleBande({"14 Mhz", 20, 12}), "14 Mhz\nRéférences contactées : 20\nRéférences confirmées : 12");
    EXPECT_EQ(libelleSeuil(Rapports::niveaux()[1]), "Niveau Excellence : 30");
}
