// Loading a 99,999-line log into the main list as the program does. Target: under 20 ms.
#include <benchmark/benchmark.h>

#include <QLineEdit>

#include "support/GrosLog.h"
#include "ui/FenetrePrincipale.h"

static void BM_ChargementListe(benchmark::State& state) {
    BenchEnv env;
    FenetrePrincipale fenetre(env.ctx);
    const QLineEdit* indicatif = fenetre.findChild<QLineEdit*>(QStringLiteral("champIndicatif"));
    for (auto _ : state) {
        // As the program starts: the log read, the last line selected and shown.
        fenetre.chargerListe();
        fenetre.selectionnerQso(int(env.carnet.nombre()) - 1);
        benchmark::DoNotOptimize(indicatif->text().size());
    }
}
BENCHMARK(BM_ChargementListe)->Unit(benchmark::kMillisecond)->Iterations(5);

int main(int argc, char** argv) { return benchMain(argc, argv); }
