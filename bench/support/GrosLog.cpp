#include "support/GrosLog.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <random>

#include "core/Reglages.h"
#include "core/journal/LigneQso.h"
#include "core/journal/TextFile.h"

QStringList genererLog(int n, unsigned seed) {
    static const QStringList bandes = {"1.8 Mhz", "3.5 Mhz", "7.0 Mhz", "10 Mhz", "14 Mhz", "18 Mhz",
                                       "21 Mhz",  "24 Mhz",  "28 Mhz",  "50 Mhz", "144 Mhz"};
    static const QStringList modes = {"SSB", "CW", "FM"};
    static const QStringList prenoms = {"JEAN", "MARIE", "RENÉ", "PAUL", "", "JOSÉ", "ANNE", "HÉLÈNE", "FRANÇOIS"};
    std::mt19937 rng(seed);
    QStringList out;
    out.reserve(n);
    QDateTime t(QDate(2015, 1, 8), QTime(8, 0), Qt::UTC);
    for (int i = 0; i < n; ++i) {
        t = t.addSecs(60 + rng() % 3600);
        const int num = 1 + rng() % 160;
        const bool basilique = rng() % 5 == 0;
        const QString ref = basilique ? QStringLiteral("DBF-%1B").arg(num, 3, 10, QLatin1Char('0'))
                                      : QStringLiteral("DCF-%1").arg(num, 3, 10, QLatin1Char('0'));
        int dep = 1 + rng() % 95;
        const QString dpt = dep == 20 ? QStringLiteral("2a") : QStringLiteral("%1").arg(dep, 2, 10, QLatin1Char('0'));
        const QString mode = modes[rng() % 3];
        const QString rst = mode == QLatin1String("CW") ? QStringLiteral("599") : QStringLiteral("59");
        Qso q{QStringLiteral("F%1%2").arg(rng() % 10).arg(QChar(char16_t('A' + rng() % 26))) +
                  QString(QChar(char16_t('A' + rng() % 26))) + QString(QChar(char16_t('A' + rng() % 26))),
              dpt,
              prenoms[rng() % prenoms.size()],
              ref,
              t.toString(QStringLiteral("dd/MM/yy")),
              t.toString(QStringLiteral("HH:mm")),
              mode,
              bandes[rng() % bandes.size()],
              rst,
              rst,
              (basilique ? QStringLiteral("B. ") : QStringLiteral("C. ")) + QStringLiteral("SAINT-ÉTIENNE %1").arg(num),
              rng() % 3 == 0 ? QStringLiteral("*") : QStringLiteral(" ")};  // a third confirmed
        out.append(LigneQso::format(q));
    }
    return out;
}

BenchEnv::BenchEnv(int n) {
    ctx.dataDir = dir.path();
    ctx.settings = &settings;
    ctx.dialogs = &dialogs;
    ctx.clock = &clock;
    ctx.carnet = &carnet;
    ctx.station = QStringLiteral("F5BENCH");
    settings.write(Reglages::App, Reglages::Global, Reglages::Indicatif, ctx.station);
    TextFile::rewriteLines(ctx.logPath(), genererLog(n));
    carnet.ouvrir(ctx.logPath());
}

int benchMain(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
