// Spots of the DX-cluster window: a busy node sends about 1,000 spots a
// minute. Targets: a spot read and marked in a few microseconds against a
// 99,999-QSO log; the log indexed again after a save under 50 ms; a spot
// placed on a full board of 500, in its rank, under 100 microseconds.
#include <benchmark/benchmark.h>

#include "core/cluster/ModeleSpots.h"
#include "core/cluster/Spots.h"
#include "core/cluster/TriSpots.h"
#include "core/journal/Carnet.h"
#include "support/GrosLog.h"

namespace {
const QByteArray lignes[] = {
    "DX de F5XYZ:     14025.0  F6ABC        DCF-018 CW                     1234Z",
    "DX de F6ABC-#:    7012.5  F/ON4ABC/P   cq dbf012b via skimmer         0905Z JN18\r",
    "\aDX de K1TTT:  3532.0 F5AAA  tnx 599 2359Z\r",
    "WWV de W0MU <18>:   SFI=70, A=5, K=1, No Storms -> No Storms",
};
}  // namespace

static void BM_SpotLire_target2us(benchmark::State& state) {
    size_t i = 0;
    for (auto _ : state) {
        auto s = Spots::lire(lignes[i++ % std::size(lignes)]);
        benchmark::DoNotOptimize(s);
    }
}
BENCHMARK(BM_SpotLire_target2us)->Unit(benchmark::kMicrosecond);

static void BM_SpotLireEtMarquer_99999_target5us(benchmark::State& state) {
    BenchEnv env;
    Carnet carnet;
    carnet.ouvrir(env.ctx.logPath());
    Spots::IndexCarnet index;
    index.construire(carnet);
    size_t i = 0;
    for (auto _ : state) {
        auto s = Spots::lire(lignes[i++ % std::size(lignes)]);
        if (s && !s->reference.isEmpty()) benchmark::DoNotOptimize(index.marque(s->reference, s->bande));
    }
}
BENCHMARK(BM_SpotLireEtMarquer_99999_target5us)->Unit(benchmark::kMicrosecond);

static void BM_IndexCarnet_99999_target50ms(benchmark::State& state) {
    BenchEnv env;
    Carnet carnet;
    carnet.ouvrir(env.ctx.logPath());
    for (auto _ : state) {
        Spots::IndexCarnet index;
        index.construire(carnet);
        benchmark::DoNotOptimize(index.taille());
    }
}
BENCHMARK(BM_IndexCarnet_99999_target50ms)->Unit(benchmark::kMillisecond);

// Each spot is a new row: the duplicate search runs over the whole board,
// the oldest row leaves and the ranked view places the new one.
static void BM_TableauPlein_500_target100us(benchmark::State& state) {
    ModeleSpots modele;
    TriSpots tri(&modele);
    const QDateTime t0(QDate(2026, 12, 6), QTime(10, 0), Qt::UTC);
    const Spots::Marque marques[] = {Spots::Marque::Nouvelle, Spots::Marque::NouvelleBande, Spots::Marque::Contactee,
                                     Spots::Marque::Confirmee};
    int n = 0;
    auto ajouter = [&] {
        const Spots::Spot s{"F5XYZ", 14025, QStringLiteral("F%1").arg(n), "", "10:00", "DCF-018", 4};
        modele.ajouter(s, {}, marques[n % 4], t0.addMSecs(n * 60));  // 1,000 a minute
        ++n;
    };
    while (modele.rowCount() < ModeleSpots::Max) ajouter();
    for (auto _ : state) ajouter();
    benchmark::DoNotOptimize(tri.rowCount());
}
BENCHMARK(BM_TableauPlein_500_target100us)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) { return benchMain(argc, argv); }
