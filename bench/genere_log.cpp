// Writes the generated log of n QSOs and the station setting, for timing the
// real program: genere_log <data folder> <XDG_CONFIG_HOME> <n> [rigctld's host:port [cluster node's host:port]].
#include <QCoreApplication>
#include <cstdio>

#include "core/Reglages.h"
#include "core/journal/TextFile.h"
#include "platform/SettingsStore.h"
#include "support/GrosLog.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() < 4 || a.size() > 6) {
        std::fputs("usage: genere_log <dossier> <config> <nombre> [radio [noeud]]\n", stderr);
        return 2;
    }
    const QString station = QStringLiteral("F5BENCH");
    QtSettingsStore reglages(a[2]);
    reglages.write(Reglages::App, Reglages::Global, Reglages::Indicatif, station);
    if (a.size() >= 5) reglages.write(Reglages::App, Reglages::Global, Reglages::RadioAdresse, a[4]);
    if (a.size() == 6) reglages.write(Reglages::App, Reglages::Global, Reglages::NoeudCluster, a[5]);
    const QString log = a[1] + QStringLiteral("/") + station + QStringLiteral("_DCF.log");
    const int n = a[3].toInt();
    // The reference list: the log's 160 cathedrals and basilicas, and 40 more never worked.
    QStringList liste = {QStringLiteral("Rev 001 du 01/01/26;;;;")};
    for (int i = 1; i <= 200; ++i) {
        liste << QStringLiteral("DCF-%1;Ville %1;%2;Saint-Etienne;")
                     .arg(i, 3, 10, QLatin1Char('0'))
                     .arg(i % 95 + 1, 2, 10, QLatin1Char('0'));
        liste << QStringLiteral("DBF-%1B;Ville %1;%2;Notre-Dame;")
                     .arg(i, 3, 10, QLatin1Char('0'))
                     .arg(i % 95 + 1, 2, 10, QLatin1Char('0'));
    }
    return TextFile::rewriteLines(a[1] + QStringLiteral("/Liste_DCF.csv"), liste) &&
                   TextFile::rewriteLines(log, n ? genererLog(n) : QStringList())
               ? 0
               : 1;
}
