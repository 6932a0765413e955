// Opening the département map on a 99,999-line log. Target: under 0.3 s.
#include <benchmark/benchmark.h>

#include "core/diplomes/CarteLogic.h"
#include "ui/diplomes/Carte_Acti_DCF.h"
#include "support/GrosLog.h"

static void BM_OpenMap_99999_target300ms(benchmark::State& state) {
    BenchEnv env;
    for (auto _ : state) {
        Carte_Acti_DCF w(env.ctx);
        benchmark::DoNotOptimize(w.NB_Dep);
    }
}
BENCHMARK(BM_OpenMap_99999_target300ms)->Unit(benchmark::kMillisecond)->Iterations(5);

// The colouring alone, from lines already read.
static void BM_ColourMap_99999(benchmark::State& state) {
    const QStringList lignes = genererLog(99999);
    for (auto _ : state) benchmark::DoNotOptimize(CarteLogic::colorier(lignes).total);
}
BENCHMARK(BM_ColourMap_99999)->Unit(benchmark::kMillisecond)->Iterations(5);

int main(int argc, char** argv) { return benchMain(argc, argv); }
