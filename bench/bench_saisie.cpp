// Lookups run on Enter in the reference and callsign fields.
// Targets: the log lookup of a reference on 99,999 QSOs under 50 ms; the first-name lookup on
// 20,000 names under 20 ms.
#include <benchmark/benchmark.h>

#include "core/journal/TextFile.h"
#include "core/saisie/Cathedrales.h"
#include "core/saisie/Prenoms.h"
#include "support/GrosLog.h"

static void BM_ChercheRefLog_99999_target50ms(benchmark::State& state) {
    BenchEnv env;
    for (auto _ : state) {
        // Absent reference: the whole log is read.
        auto r = env.carnet.dejaContacte(QStringLiteral("DCF-999"), QStringLiteral("14 Mhz"));
        benchmark::DoNotOptimize(r.has_value());
    }
}
BENCHMARK(BM_ChercheRefLog_99999_target50ms)->Unit(benchmark::kMillisecond);

static void BM_ChercherPrenom_20000_target20ms(benchmark::State& state) {
    BenchEnv env(1);
    QStringList noms;
    for (int i = 0; i < 20000; ++i)
        noms.append(Prenoms::enregistrement(QStringLiteral("F%1").arg(i, 5, 36).toUpper(), QStringLiteral("75"),
                                            QStringLiteral("JOSÉ")));
    const QString f = env.ctx.path(QStringLiteral("Liste_Prenom.txt"));
    TextFile::rewriteLines(f, noms);
    for (auto _ : state) {
        auto t = Prenoms::chercher(f, QStringLiteral("F4XYZ"));
        benchmark::DoNotOptimize(t.trouve);
    }
}
BENCHMARK(BM_ChercherPrenom_20000_target20ms)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) { return benchMain(argc, argv); }
