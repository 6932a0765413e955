// Confirmations merged from a LoTW-shaped report with one record per logged
// QSO and one that matches none: read from the file, matched, previewed,
// report written and the log rewritten. At 1,000, 10,000 and 99,999 QSOs
// (100,000 records at the last, target under 1 s), beside the floor of one
// rewrite of the log.
#include <benchmark/benchmark.h>
#include <QFile>

#include "core/Bandes.h"
#include "core/adif/FusionConfirmations.h"
#include "core/adif/LecteurAdif.h"
#include "core/journal/Carnet.h"
#include "core/journal/LigneQso.h"
#include "core/journal/TextFile.h"
#include "support/GrosLog.h"

namespace {

void champ(QByteArray& d, const char* nom, QByteArrayView v) {
    d += '<';
    d += nom;
    d += ':';
    d += QByteArray::number(v.size());
    d += '>';
    d += v;
    d += '\n';
}

// What the service sends back for each QSO: the time rounded a few minutes
// off, the mode as the service names it, the fields LoTW adds.
QByteArray rapportLotw(const Carnet& log) {
    using LigneQso::Champ;
    QByteArray d =
        "ARRL Logbook of the World Status Report\nGenerated at 2021-07-02 08:00:00\nfor F5BENCH\n"
        "<PROGRAMID:4>LoTW\n<APP_LoTW_LASTQSL:19>2021-07-01 10:00:00\n<eoh>\n";
    d.reserve(log.nombre() * 400);
    for (qsizetype i = 0; i <= log.nombre(); ++i) {
        const QByteArrayView l = i < log.nombre() ? log.ligne(i) : QByteArrayView();
        const QByteArrayView date = LigneQso::champ(l, Champ::Date), heure = LigneQso::champ(l, Champ::Heure);
        const QByteArrayView mode = LigneQso::sansBlancs(LigneQso::champ(l, Champ::Mode));
        const Bandes::Bande* b =
            Bandes::parTexte(QString::fromLatin1(LigneQso::sansBlancs(LigneQso::champ(l, Champ::Bande))));
        champ(d, "APP_LoTW_OWNCALL", "F5BENCH");
        champ(d, "STATION_CALLSIGN", "F5BENCH");
        champ(d, "CALL",
              i < log.nombre() ? LigneQso::sansBlancs(LigneQso::champ(l, Champ::Indicatif)) : QByteArrayView("F0NONE"));
        champ(d, "BAND", b ? b->adif : "20m");
        champ(d, "FREQ", b ? QByteArray::number(b->kHzMin / 1000 + 0.01, 'f', 5) : "14.01000");
        champ(d, "MODE",
              mode == "SSB" && i % 2 ? QByteArrayView("USB")
              : mode.isEmpty()       ? QByteArrayView("SSB")
                                     : mode);
        champ(d, "APP_LoTW_MODEGROUP", mode == "CW" ? "CW" : "PHONE");
        QByteArray qsoDate = "20210615";
        if (date.size() == 8) {
            qsoDate = "20";
            qsoDate += date.sliced(6, 2);
            qsoDate += date.sliced(3, 2);
            qsoDate += date.sliced(0, 2);
        }
        champ(d, "QSO_DATE", qsoDate);
        const int minutes = heure.size() == 5 ? (heure.sliced(3, 2).toInt() / 5) * 5 : 0;
        champ(d, "TIME_ON",
              (heure.size() == 5 ? heure.first(2).toByteArray() : QByteArray("12")) +
                  QByteArray::number(minutes).rightJustified(2, '0') + "00");
        champ(d, "QSL_RCVD", "Y");
        champ(d, "QSLRDATE", "20210701");
        champ(d, "DXCC", "227");
        champ(d, "COUNTRY", "FRANCE");
        d += "<eor>\n\n";
    }
    return d;
}

void confirmer(benchmark::State& state) {
    BenchEnv env(int(state.range(0)));
    const QByteArray log = env.carnet.octets();
    const QString adi = env.ctx.path(QStringLiteral("lotw.adi"));
    {
        QFile f(adi);
        f.open(QIODevice::WriteOnly);
        f.write(rapportLotw(env.carnet));
    }
    FusionConfirmations::Plan plan;
    for (auto _ : state) {
        state.PauseTiming();
        TextFile::rewrite(env.ctx.logPath(), log);
        Carnet carnet;
        carnet.ouvrir(env.ctx.logPath());
        state.ResumeTiming();
        const LecteurAdif::Lecture l = LecteurAdif::lireFichier(adi);
        plan = FusionConfirmations::preparer(l.fichier, carnet);
        benchmark::DoNotOptimize(FusionConfirmations::apercu(plan));
        TextFile::rewriteLines(env.ctx.path(FusionConfirmations::nomFichierRapport(env.ctx.station)),
                               FusionConfirmations::rapport(plan).lignesFichier());
        benchmark::DoNotOptimize(FusionConfirmations::appliquer(plan, carnet));
    }
    state.counters["records"] = double(state.range(0) + 1);
    state.counters["confirmed"] = double(plan.lignes.size());
    state.counters["already"] = double(plan.dejaConfirmes);
    state.counters["unmatched"] = double(plan.sansQso);
    state.counters["ambiguous"] = double(plan.ambigus);
}

void plancherEcriture(benchmark::State& state) {
    BenchEnv env(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(TextFile::rewrite(env.ctx.path(QStringLiteral("copie.log")), env.carnet.octets()));
}

}  // namespace

static void BM_Confirmations(benchmark::State& s) { confirmer(s); }
static void Plancher_Ecriture(benchmark::State& s) { plancherEcriture(s); }

BENCHMARK(BM_Confirmations)->Arg(1000)->Arg(10000)->Arg(99999)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(Plancher_Ecriture)->Arg(1000)->Arg(10000)->Arg(99999)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) { return benchMain(argc, argv); }
