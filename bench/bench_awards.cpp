// Opening the award windows on a 99,999-line log, list fill and first paint
// included. Target: each under 150 ms. The progression's figures alone: 10 ms.
#include <benchmark/benchmark.h>
#include <QApplication>
#include <QDate>

#include "core/diplomes/Progression.h"
#include "support/GrosLog.h"
#include "ui/diplomes/FenetreContactees.h"
#include "ui/diplomes/FenetreDiplomes.h"
#include "ui/diplomes/FenetreListeDiplome.h"
#include "ui/diplomes/FenetreProgression.h"

namespace {

template <class W, class... Args>
void ouvrir(benchmark::State& state, const Args&... args) {
    BenchEnv env;
    for (auto _ : state) {
        W w(env.ctx, args...);
        w.show();
        QApplication::processEvents();
        benchmark::ClobberMemory();
    }
}

}  // namespace

static void BM_Fenetre_Diplomes(benchmark::State& s) { ouvrir<FenetreDiplomes>(s); }
static void BM_Fenetre_ListeDiplome(benchmark::State& s) { ouvrir<FenetreListeDiplome>(s, QStringLiteral("de Base")); }
static void BM_Fenetre_Contactes(benchmark::State& s) { ouvrir<FenetreContactees>(s); }
static void BM_Fenetre_Progression(benchmark::State& s) { ouvrir<FenetreProgression>(s); }
BENCHMARK(BM_Fenetre_Diplomes)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_Fenetre_ListeDiplome)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_Fenetre_Contactes)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_Fenetre_Progression)->Unit(benchmark::kMillisecond)->Iterations(5);

static void BM_Progression(benchmark::State& state) {
    BenchEnv env;
    const QDate aujourdhui = QDate::currentDate();
    for (auto _ : state) benchmark::DoNotOptimize(Progression::calculer(env.carnet, aujourdhui).diplome.size());
}
BENCHMARK(BM_Progression)->Unit(benchmark::kMillisecond)->Iterations(20);

int main(int argc, char** argv) { return benchMain(argc, argv); }
