// Every change rewrites the whole log and reloads the list. Targets: each
// under 250 ms on 99,999 QSOs, and within 3x the time to copy the log file.
#include <QFile>
#include <benchmark/benchmark.h>

#include "app/Main.h"
#include "log/LigneQso.h"
#include "platform/TextFile.h"
#include "support/GrosLog.h"

namespace {
QString nouvelle(const QString& date) {
    return LigneQso::format(Qso{"F5NEW", "75", "", "DCF-001", date, "10:00", "SSB", "14 Mhz", "59", "59",
                                "C. NOTRE-DAME", " "});
}
}  // namespace

static void BM_CopyLogFile_99999_baseline(benchmark::State& state) {
    BenchEnv env;
    const QString copie = env.ctx.path(QStringLiteral("copie.log"));
    for (auto _ : state) {
        QFile::remove(copie);
        QFile::copy(env.ctx.logPath(), copie);
    }
}
BENCHMARK(BM_CopyLogFile_99999_baseline)->Unit(benchmark::kMillisecond);

static void BM_Append_99999_target250ms(benchmark::State& state) {
    BenchEnv env(99998);
    Main main(env.ctx);
    main.chargerListe();
    const QByteArray octets = TextFile::joinLines(TextFile::readLines(env.ctx.logPath()));
    for (auto _ : state) {
        main.Ecrire_En_Fin(nouvelle(QStringLiteral("01/01/30")));
        state.PauseTiming();
        TextFile::rewrite(env.ctx.logPath(), env.ctx.path(QStringLiteral("t")), octets);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Append_99999_target250ms)->Unit(benchmark::kMillisecond)->Iterations(10);

static void BM_InsertByDate_99999_target250ms(benchmark::State& state) {
    BenchEnv env(99998);
    Main main(env.ctx);
    main.chargerListe();
    const QByteArray octets = TextFile::joinLines(TextFile::readLines(env.ctx.logPath()));
    for (auto _ : state) {
        // Near the end of the log: every earlier line's date is read.
        main.Inserer_Par_Date(nouvelle(QStringLiteral("01/01/49")));
        state.PauseTiming();
        TextFile::rewrite(env.ctx.logPath(), env.ctx.path(QStringLiteral("t")), octets);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_InsertByDate_99999_target250ms)->Unit(benchmark::kMillisecond)->Iterations(10);

static void BM_Replace_99999_target250ms(benchmark::State& state) {
    BenchEnv env;
    Main main(env.ctx);
    main.chargerListe();
    const QString ancienne = TextFile::readLines(env.ctx.logPath()).at(50000);
    const QString modifiee = QString(ancienne).replace(49, 5, QStringLiteral("23:59"));
    bool remplacer = true;
    for (auto _ : state) {
        if (remplacer)
            main.Remplacer_Ligne(modifiee, ancienne);
        else
            main.Remplacer_Ligne(ancienne, modifiee);
        remplacer = !remplacer;
    }
}
BENCHMARK(BM_Replace_99999_target250ms)->Unit(benchmark::kMillisecond)->Iterations(10);

static void BM_Delete_99999_target250ms(benchmark::State& state) {
    BenchEnv env;
    Main main(env.ctx);
    main.chargerListe();
    const QStringList lignes = TextFile::readLines(env.ctx.logPath());
    const QByteArray octets = TextFile::joinLines(lignes);
    for (auto _ : state) {
        main.Supprimer_Ligne(lignes.at(50000));
        state.PauseTiming();
        TextFile::rewrite(env.ctx.logPath(), env.ctx.path(QStringLiteral("t")), octets);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Delete_99999_target250ms)->Unit(benchmark::kMillisecond)->Iterations(10);

int main(int argc, char** argv) { return benchMain(argc, argv); }
