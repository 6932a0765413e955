// Spots of the DX-cluster window: a busy node sends about 1,000 spots a
// minute. Targets: a spot read and marked in a few microseconds against a
// 99,999-QSO log; the log indexed again after a save under 50 ms.
#include <benchmark/benchmark.h>

#include "core/cluster/Spots.h"
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

int main(int argc, char** argv) { return benchMain(argc, argv); }
