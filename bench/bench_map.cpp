// Opening the département map on a 99,999-line log, drawing included.
// Target: under 150 ms.
#include <benchmark/benchmark.h>

#include "support/GrosLog.h"
#include "ui/diplomes/FenetreCarte.h"

static void BM_Fenetre_Carte(benchmark::State& state) {
    BenchEnv env;
    for (auto _ : state) {
        FenetreCarte w(env.ctx);
        w.show();  // the drawing is made at the size the window is shown at
        benchmark::DoNotOptimize(&w);
    }
}
BENCHMARK(BM_Fenetre_Carte)->Unit(benchmark::kMillisecond)->Iterations(5);

int main(int argc, char** argv) { return benchMain(argc, argv); }
