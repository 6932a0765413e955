// Search and ADIF export on a 99,999-line log.
// Targets: a search under 50 ms, the export under 0.5 s.
#include <benchmark/benchmark.h>

#include <QLineEdit>
#include <QListView>
#include <QRadioButton>

#include "support/GrosLog.h"
#include "ui/ExportAdif.h"
#include "ui/FenetrePrincipale.h"
#include "ui/FenetreRecherche.h"

namespace {

// The search over the main window's list, results shown in the window.
void rechercher(benchmark::State& state, int option, const QString& critere) {
    BenchEnv env;
    FenetrePrincipale fenetre(env.ctx);
    fenetre.demarrer();
    FenetreRecherche w(env.ctx, fenetre.findChild<QListView*>(QStringLiteral("listeQso"))->font());
    const char* criteres[] = {"Indicatif", "Reference", "Departement"};
    w.findChild<QRadioButton*>(QStringLiteral("choix") + QLatin1String(criteres[option - 1]))->setChecked(true);
    QLineEdit* champ = w.findChild<QLineEdit*>(QStringLiteral("champ") + QLatin1String(criteres[option - 1]));
    qsizetype trouves = 0;
    for (auto _ : state) {
        champ->setText(critere);
        w.lancerRecherche();
        trouves = w.resultats().size();
    }
    state.counters["found"] = double(trouves);
}

}  // namespace

static void BM_Recherche_Indicatif_F5_99999_target50ms(benchmark::State& s) { rechercher(s, 1, "F5"); }
static void BM_Recherche_Reference_99999_target50ms(benchmark::State& s) { rechercher(s, 2, "DBF-012"); }
static void BM_Recherche_Departement_99999_target50ms(benchmark::State& s) { rechercher(s, 3, "2a"); }

static void BM_Export_ADIF_99999_target500ms(benchmark::State& state) {
    BenchEnv env;
    for (auto _ : state) benchmark::DoNotOptimize(ExportAdif::exporter(env.ctx));
}

BENCHMARK(BM_Recherche_Indicatif_F5_99999_target50ms)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_Recherche_Reference_99999_target50ms)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_Recherche_Departement_99999_target50ms)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_Export_ADIF_99999_target500ms)->Unit(benchmark::kMillisecond)->Iterations(5);

int main(int argc, char** argv) { return benchMain(argc, argv); }
