// ADIF import of a 99,999-record file: read, checked against the log and
// written in one rewrite. Target: under 1 s.
#include <benchmark/benchmark.h>

#include "core/adif/Adif.h"
#include "core/adif/ImportAdif.h"
#include "core/adif/LecteurAdif.h"
#include "core/journal/Carnet.h"
#include "core/journal/TextFile.h"
#include "support/GrosLog.h"

namespace {

// The file is the export of the generated log; the log it goes into holds
// its first `dejaLa` lines. Most records repeat a reference already worked on
// its band, so they are checked and refused: the rewrite is of the whole log.
void importer(benchmark::State& state, int dejaLa) {
    BenchEnv env;
    Carnet source;
    source.ouvrir(env.ctx.logPath());
    const QByteArray adif = Adif::fichier(env.ctx.station, source);
    const QStringList lignes = genererLog();
    qsizetype importes = 0, refuses = 0;
    for (auto _ : state) {
        state.PauseTiming();
        TextFile::rewriteLines(env.ctx.logPath(), lignes.mid(0, dejaLa));
        Carnet log;
        log.ouvrir(env.ctx.logPath());
        state.ResumeTiming();
        const LecteurAdif::Lecture l = LecteurAdif::lire(adif);
        const ImportAdif::Plan plan =
            ImportAdif::preparer(l.fichier, log, env.ctx.path(QStringLiteral("Liste_DCF.csv")));
        benchmark::DoNotOptimize(ImportAdif::appliquer(plan, log));
        importes = plan.qsos.size();
        refuses = plan.refus.size();
    }
    state.counters["imported"] = double(importes);
    state.counters["refused"] = double(refuses);
}

}  // namespace

static void BM_Import_ADIF_99999_LogVide_target1s(benchmark::State& s) { importer(s, 0); }
static void BM_Import_ADIF_99999_Log90000_target1s(benchmark::State& s) { importer(s, 90000); }

BENCHMARK(BM_Import_ADIF_99999_LogVide_target1s)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_Import_ADIF_99999_Log90000_target1s)->Unit(benchmark::kMillisecond)->Iterations(5);

int main(int argc, char** argv) { return benchMain(argc, argv); }
