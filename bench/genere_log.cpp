// Writes the generated log of n QSOs and the station setting, for timing the
// real program: genere_log <data folder> <XDG_CONFIG_HOME> <n>.
#include <QCoreApplication>
#include <cstdio>

#include "core/Reglages.h"
#include "core/journal/TextFile.h"
#include "platform/SettingsStore.h"
#include "support/GrosLog.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() != 4) {
        std::fputs("usage: genere_log <dossier> <config> <nombre>\n", stderr);
        return 2;
    }
    const QString station = QStringLiteral("F5BENCH");
    QtSettingsStore(a[2]).write(Keys::App, Keys::Global, Keys::Indicatif, station);
    const QString log = a[1] + QStringLiteral("/") + station + QStringLiteral("_DCF.log");
    const int n = a[3].toInt();
    return TextFile::rewriteLines(log, a[1] + QStringLiteral("/Temporaire.txt"), n ? genererLog(n) : QStringList())
               ? 0
               : 1;
}
