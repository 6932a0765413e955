// What each window computes from the log, at 1,000, 10,000 and 99,999 QSOs,
// beside the floors measured in the same run: a warm read of the log file and
// a write + fsync + rename of the log and of the ADIF file. scripts/bench
// turns the output into the table of targets.
#include <benchmark/benchmark.h>
#include <QFile>

#include "core/adif/Adif.h"
#include "core/diplomes/CarteLogic.h"
#include "core/diplomes/Rapports.h"
#include "core/journal/Carnet.h"
#include "core/journal/LigneQso.h"
#include "core/journal/TextFile.h"
#include "core/recherche/Recherche.h"
#include "core/sauvegarde/Sauvegardes.h"
#include "support/GrosLog.h"
#include "ui/ExportAdif.h"

namespace {

QByteArray lire(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

template <class F>
void mesurer(benchmark::State& state, F f) {
    BenchEnv env(int(state.range(0)));
    for (auto _ : state) f(env);
}

Qso nouvelle(const QString& date) {
    return Qso{"F5NEW", "75", "", "DCF-001", date, "10:00", "SSB", "14 Mhz", "59", "59", "C. NOTRE-DAME", " "};
}

}  // namespace

static void Plancher_Lecture(benchmark::State& s) {
    mesurer(s, [](BenchEnv& e) { benchmark::DoNotOptimize(lire(e.ctx.logPath()).size()); });
}
static void Plancher_Ecriture(benchmark::State& s) {
    mesurer(s, [](BenchEnv& e) {
        benchmark::DoNotOptimize(TextFile::rewrite(e.ctx.path("copie.log"), e.carnet.octets()));
    });
}
static void Plancher_EcritureAdif(benchmark::State& s) {
    BenchEnv env(int(s.range(0)));
    const QByteArray adif = Adif::fichier(env.ctx.station, env.carnet);
    for (auto _ : s) benchmark::DoNotOptimize(TextFile::rewrite(env.ctx.path("copie.adi"), adif));
}

static void Diplomes(benchmark::State& s) {
    mesurer(s, [](BenchEnv& e) { benchmark::DoNotOptimize(Rapports::compteConfirmes(*e.ctx.carnetAJour())); });
}
static void ListeDiplome(benchmark::State& s) {
    mesurer(s, [](BenchEnv& e) {
        const Rapports::Entrees l = Rapports::entreesDiplome(*e.ctx.carnetAJour());
        benchmark::DoNotOptimize(l.taille() ? l.texte(0).size() : 0);
    });
}
static void Contactes(benchmark::State& s) {
    mesurer(s, [](BenchEnv& e) {
        const Rapports::Entrees l = Rapports::contactesSansDoublons(*e.ctx.carnetAJour());
        benchmark::DoNotOptimize(l.taille() ? l.texte(0).size() : 0);
    });
}
static void Carte(benchmark::State& s) {
    mesurer(s, [](BenchEnv& e) { benchmark::DoNotOptimize(CarteLogic::colorier(*e.ctx.carnetAJour()).total); });
}
static void Recherche_Indicatif(benchmark::State& s) {
    mesurer(s, [](BenchEnv& e) {
        benchmark::DoNotOptimize(Recherche::chercher(*e.ctx.carnetAJour(), Recherche::ParIndicatif, "F5").size());
    });
}
static void Recherche_Departement(benchmark::State& s) {
    mesurer(s, [](BenchEnv& e) {
        benchmark::DoNotOptimize(Recherche::chercher(*e.ctx.carnetAJour(), Recherche::ParDepartement, "2a").size());
    });
}
static void DejaContacte(benchmark::State& s) {
    // Absent reference: the whole log is read.
    mesurer(s, [](BenchEnv& e) {
        benchmark::DoNotOptimize(e.ctx.carnetAJour()->dejaContacte("DCF-999", "14 Mhz").has_value());
    });
}
static void Export_Adif(benchmark::State& s) {
    mesurer(s, [](BenchEnv& e) { benchmark::DoNotOptimize(ExportAdif::exporter(e.ctx)); });
}

// Saves: each change is undone outside the timing, so every run writes the
// same size.
// A new QSO needs room under the cap: the largest log holds one fewer.
int avantPlafond(benchmark::State& s) { return int(std::min<int64_t>(s.range(0), LigneQso::MaxQso - 1)); }

static void Sauvegarde_Ajout(benchmark::State& s) {
    BenchEnv env(avantPlafond(s));
    const QByteArray octets = env.carnet.octets();
    for (auto _ : s) {
        env.carnet.ajouterEnFin(nouvelle("01/01/30"));
        s.PauseTiming();
        TextFile::rewrite(env.ctx.logPath(), octets);
        env.carnet.ouvrir(env.ctx.logPath());
        s.ResumeTiming();
    }
}
static void Sauvegarde_Insertion(benchmark::State& s) {
    BenchEnv env(avantPlafond(s));
    const QByteArray octets = env.carnet.octets();
    for (auto _ : s) {
        // Near the end: every earlier line's date is read.
        env.carnet.insererParDate(nouvelle("01/01/49"));
        s.PauseTiming();
        TextFile::rewrite(env.ctx.logPath(), octets);
        env.carnet.ouvrir(env.ctx.logPath());
        s.ResumeTiming();
    }
}
static void Sauvegarde_Remplacement(benchmark::State& s) {
    BenchEnv env(int(s.range(0)));
    const int milieu = int(s.range(0)) / 2;
    const QString ancienne = env.carnet.texte(milieu);
    const QString modifiee = QString(ancienne).replace(49, 5, QStringLiteral("23:59"));
    bool aller = true;
    for (auto _ : s) {
        if (aller)
            env.carnet.remplacer(LigneQso::affichage(ancienne, milieu + 1), LigneQso::parse(modifiee));
        else
            env.carnet.remplacer(LigneQso::affichage(modifiee, milieu + 1), LigneQso::parse(ancienne));
        aller = !aller;
    }
}
static void Sauvegarde_Suppression(benchmark::State& s) {
    BenchEnv env(int(s.range(0)));
    const int milieu = int(s.range(0)) / 2;
    const QByteArray octets = env.carnet.octets();
    const QString affichee = LigneQso::affichage(env.carnet.texte(milieu), milieu + 1);
    for (auto _ : s) {
        env.carnet.supprimer(affichee);
        s.PauseTiming();
        TextFile::rewrite(env.ctx.logPath(), octets);
        env.carnet.ouvrir(env.ctx.logPath());
        s.ResumeTiming();
    }
}
// An undo reads the file back to compare it, then rewrites: as fast as a save.
static void Annulation_Suppression(benchmark::State& s) {
    BenchEnv env(int(s.range(0)));
    const int milieu = int(s.range(0)) / 2;
    const QString affichee = LigneQso::affichage(env.carnet.texte(milieu), milieu + 1);
    for (auto _ : s) {
        s.PauseTiming();
        env.carnet.supprimer(affichee);
        s.ResumeTiming();
        env.carnet.annuler();
    }
}
// A verified backup of the log: written, synced, read back and compared.
static void Sauvegarde_Copie(benchmark::State& s) {
    BenchEnv env(int(s.range(0)));
    const Sauvegardes::Lieu lieu{env.ctx.path(QStringLiteral("Sauvegardes")), true, env.ctx.station, {}};
    QDateTime quand(QDate(2026, 12, 7), QTime(9, 0));
    for (auto _ : s) {
        Sauvegardes::sauvegarder(lieu, env.carnet.octets(), quand);
        quand = quand.addSecs(1);
    }
}

#define TAILLES(b) BENCHMARK(b)->Arg(1000)->Arg(10000)->Arg(99999)->Unit(benchmark::kMillisecond)
TAILLES(Plancher_Lecture);
TAILLES(Plancher_Ecriture);
TAILLES(Plancher_EcritureAdif);
TAILLES(Diplomes);
TAILLES(ListeDiplome);
TAILLES(Contactes);
TAILLES(Carte);
TAILLES(Recherche_Indicatif);
TAILLES(Recherche_Departement);
TAILLES(DejaContacte);
TAILLES(Export_Adif);
TAILLES(Sauvegarde_Ajout)->Iterations(10);
TAILLES(Sauvegarde_Insertion)->Iterations(10);
TAILLES(Sauvegarde_Remplacement)->Iterations(10);
TAILLES(Sauvegarde_Suppression)->Iterations(10);
TAILLES(Annulation_Suppression)->Iterations(10);
TAILLES(Sauvegarde_Copie)->Iterations(10);

int main(int argc, char** argv) { return benchMain(argc, argv); }
