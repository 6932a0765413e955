#include <gtest/gtest.h>

#include "core/cluster/ModeleSpots.h"
#include "core/cluster/TriSpots.h"

using Spots::Marque;

namespace {

const QDateTime T0(QDate(2026, 12, 6), QTime(10, 0), Qt::UTC);

Spots::Spot spot(const QString& indicatif, const QString& reference, int bande, double kHz = 14025) {
    return {"F5XYZ", kHz, indicatif, reference, "10:00", reference, bande};
}

QStringList colonne(const QAbstractItemModel& m, int c) {
    QStringList l;
    for (int r = 0; r < m.rowCount(); ++r) l << m.index(r, c).data().toString();
    return l;
}

}  // namespace

// Each kind of spot at each age, in arrival order; "Intérêt" puts what the
// award needs first and the newest first within each kind.
TEST(ModeleSpots, RangParInteret) {
    const std::tuple<const char*, Marque, int> arrivees[] = {
        // callsign, mark, minutes after T0
        {"F1A", Marque::Contactee, 0},  {"F1B", Marque::Confirmee, 1},      {"F1C", Marque::NouvelleBande, 2},
        {"F1D", Marque::Nouvelle, 3},   {"F1E", Marque::Contactee, 10},     {"F1F", Marque::Nouvelle, 20},
        {"F1G", Marque::Confirmee, 25}, {"F1H", Marque::NouvelleBande, 40},
    };
    ModeleSpots modele;
    TriSpots tri(&modele);
    int n = 0;
    for (const auto& [indicatif, marque, minutes] : arrivees)
        modele.ajouter(spot(indicatif, "DCF-018", 4, 14000 + ++n), {}, marque, T0.addSecs(60 * minutes));
    EXPECT_EQ(colonne(tri, Spots::Indicatif), QStringList({"F1F", "F1D", "F1H", "F1C", "F1E", "F1A", "F1G", "F1B"}));
}

// One row per callsign, reference and band: the latest spot, whole, counted
// as the newest; at most the last 500 rows.
TEST(ModeleSpots, Doublons) {
    ModeleSpots modele;
    TriSpots tri(&modele);
    const std::tuple<Spots::Spot, int> arrivees[] = {
        // spot, minutes after T0
        {spot("F5ABC", "DCF-018", 4, 14025), 0}, {spot("F5ABC", "DCF-018", 2, 7012), 1},
        {spot("F6ABC", "DCF-018", 4, 14030), 2}, {spot("F5ABC", "DCF-019", 4, 14025), 3},
        {spot("F5ABC", "DCF-018", 4, 14026), 4},
    };
    for (const auto& [s, minutes] : arrivees) modele.ajouter(s, {}, Marque::Nouvelle, T0.addSecs(60 * minutes));
    EXPECT_EQ(colonne(tri, Spots::Frequence), QStringList({"14026.0", "14025.0", "14030.0", "7012.0"}));
    EXPECT_EQ(modele.chercher("F5ABC", "DCF-018")->spot.kHz, 14026);
    for (int i = 0; i < 600; ++i) modele.ajouter(spot(QString("F%1").arg(i), "DCF-003", 4), {}, Marque::Nouvelle, T0);
    // Newest first: F599 down to F100, the last two of exactly 500.
    EXPECT_EQ(colonne(modele, Spots::Indicatif).mid(ModeleSpots::Max - 2), QStringList({"F101", "F100"}));
}
