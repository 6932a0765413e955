// Loading a 99,999-line log into the main list as the program does. Target: under 20 ms.
#include <benchmark/benchmark.h>

#include <QLineEdit>

#include "ui/Main.h"
#include "support/GrosLog.h"

static void BM_ChargementListe(benchmark::State& state) {
    BenchEnv env;
    Main main(env.ctx);
    for (auto _ : state) {
        // As the program starts: the log read, the last line selected and shown.
        main.chargerListe();
        main.saisie->selectionnerDerniere();
        benchmark::DoNotOptimize(main.Ind_A->text().size());
    }
}
BENCHMARK(BM_ChargementListe)->Unit(benchmark::kMillisecond)->Iterations(5);

int main(int argc, char** argv) { return benchMain(argc, argv); }
