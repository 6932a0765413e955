#pragma once
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "core/journal/Carnet.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/SettingsStore.h"
#include "ui/AppContext.h"

// A reproducible log of n QSOs in date order, as the program writes them.
QStringList genererLog(int n = 99999, unsigned seed = 1);

// Dialogs that answer Yes and show nothing.
class SilentDialogs : public Dialogs {
public:
    void notice(const QString&) override {}
    bool question(const QString&, Defaut) override { return true; }
};

// A data directory holding a generated log for station F5BENCH.
struct BenchEnv {
    QTemporaryDir dir;
    QtSettingsStore settings{dir.path() + QStringLiteral("/config")};
    SilentDialogs dialogs;
    SystemClock clock;
    Carnet carnet;
    AppContext ctx;
    explicit BenchEnv(int n = 99999);
};

// Runs benchmarks inside a QApplication on the offscreen platform.
int benchMain(int argc, char** argv);
