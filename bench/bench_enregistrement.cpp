// Every change rewrites the whole log and reloads the list. Targets: each
// under 250 ms on 99,999 QSOs, and within 3x the time to copy the log file.
#include <benchmark/benchmark.h>
#include <QFile>

#include "core/journal/Carnet.h"
#include "core/journal/LigneQso.h"
#include "core/journal/TextFile.h"
#include "core/sauvegarde/Sauvegardes.h"
#include "support/GrosLog.h"

namespace {
Qso nouvelle(const QString& date) {
    return Qso{"F5NEW", "75", "", "DCF-001", date, "10:00", "SSB", "14 Mhz", "59", "59", "C. NOTRE-DAME", " "};
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
    Carnet carnet;
    carnet.ouvrir(env.ctx.logPath());
    const QByteArray octets = TextFile::joinLines(TextFile::readLines(env.ctx.logPath()));
    for (auto _ : state) {
        carnet.ajouterEnFin(nouvelle(QStringLiteral("01/01/30")));
        state.PauseTiming();
        TextFile::rewrite(env.ctx.logPath(), octets);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Append_99999_target250ms)->Unit(benchmark::kMillisecond)->Iterations(10);

static void BM_InsertByDate_99999_target250ms(benchmark::State& state) {
    BenchEnv env(99998);
    Carnet carnet;
    carnet.ouvrir(env.ctx.logPath());
    const QByteArray octets = TextFile::joinLines(TextFile::readLines(env.ctx.logPath()));
    for (auto _ : state) {
        // Near the end of the log: every earlier line's date is read.
        carnet.insererParDate(nouvelle(QStringLiteral("01/01/49")));
        state.PauseTiming();
        TextFile::rewrite(env.ctx.logPath(), octets);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_InsertByDate_99999_target250ms)->Unit(benchmark::kMillisecond)->Iterations(10);

static void BM_Replace_99999_target250ms(benchmark::State& state) {
    BenchEnv env;
    Carnet carnet;
    carnet.ouvrir(env.ctx.logPath());
    const QString ancienne = carnet.texte(50000);
    const QString modifiee = QString(ancienne).replace(49, 5, QStringLiteral("23:59"));
    bool remplacer = true;
    for (auto _ : state) {
        if (remplacer)
            carnet.remplacer(LigneQso::affichage(ancienne, 50001), LigneQso::parse(modifiee));
        else
            carnet.remplacer(LigneQso::affichage(modifiee, 50001), LigneQso::parse(ancienne));
        remplacer = !remplacer;
    }
}
BENCHMARK(BM_Replace_99999_target250ms)->Unit(benchmark::kMillisecond)->Iterations(10);

static void BM_Delete_99999_target250ms(benchmark::State& state) {
    BenchEnv env;
    Carnet carnet;
    carnet.ouvrir(env.ctx.logPath());
    const QStringList lignes = TextFile::readLines(env.ctx.logPath());
    const QByteArray octets = TextFile::joinLines(lignes);
    for (auto _ : state) {
        carnet.supprimer(LigneQso::affichage(lignes.at(50000), 50001));
        state.PauseTiming();
        TextFile::rewrite(env.ctx.logPath(), octets);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Delete_99999_target250ms)->Unit(benchmark::kMillisecond)->Iterations(10);

// An undo reads the file back to compare it, then rewrites: as fast as a save.
static void BM_UndoDelete_99999_target250ms(benchmark::State& state) {
    BenchEnv env;
    Carnet carnet;
    carnet.ouvrir(env.ctx.logPath());
    const QString ligne = carnet.texte(50000);
    for (auto _ : state) {
        state.PauseTiming();
        carnet.supprimer(LigneQso::affichage(ligne, 50001));
        state.ResumeTiming();
        carnet.annuler();
    }
}
BENCHMARK(BM_UndoDelete_99999_target250ms)->Unit(benchmark::kMillisecond)->Iterations(10);

// A verified backup of the log (written, synced, read back, compared) beside
// its floor, the atomic rewrite of the same bytes. Target: at most 2x.
static void BM_Backup_99999_target2xFloor(benchmark::State& state) {
    BenchEnv env;
    Carnet carnet;
    carnet.ouvrir(env.ctx.logPath());
    const Sauvegardes::Lieu lieu{env.ctx.path(QStringLiteral("Sauvegardes")), true, QStringLiteral("F5XYZ"), {}};
    QDateTime t(QDate(2026, 12, 7), QTime(9, 0));
    for (auto _ : state) {
        Sauvegardes::sauvegarder(lieu, carnet.octets(), t);
        t = t.addSecs(1);
    }
}
BENCHMARK(BM_Backup_99999_target2xFloor)->Unit(benchmark::kMillisecond)->Iterations(10);

static void Plancher_Rewrite_99999(benchmark::State& state) {
    BenchEnv env;
    Carnet carnet;
    carnet.ouvrir(env.ctx.logPath());
    const QString copie = env.ctx.path(QStringLiteral("copie.log"));
    for (auto _ : state) TextFile::rewrite(copie, carnet.octets());
}
BENCHMARK(Plancher_Rewrite_99999)->Unit(benchmark::kMillisecond)->Iterations(10);

int main(int argc, char** argv) { return benchMain(argc, argv); }
