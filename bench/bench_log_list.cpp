// Loading a 99,999-line log into the main list. Target: under 0.5 s.
#include <benchmark/benchmark.h>

#include "app/Main.h"
#include "support/GrosLog.h"

static void BM_LoadLogList_99999_target500ms(benchmark::State& state) {
    BenchEnv env;
    Main main(env.ctx);
    for (auto _ : state) {
        main.chargerListe();
        main.selectionnerDerniere();
        benchmark::DoNotOptimize(main.lignesListe().size());
    }
}
BENCHMARK(BM_LoadLogList_99999_target500ms)->Unit(benchmark::kMillisecond)->Iterations(5);

int main(int argc, char** argv) { return benchMain(argc, argv); }
