#pragma once
#include <QDateTime>
#include <QStringList>
#include <memory>

#include "core/Reglages.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/SettingsStore.h"
#include "support/Journal.h"
#include "ui/AppContext.h"

// Records every message; questions are answered from a queue (Yes when empty).
class RecordingDialogs : public Dialogs {
public:
    void notice(const QString& text) override { notices.append(text); }
    bool question(const QString& text, Defaut defaut = Defaut::Oui) override {
        questions.append(text);
        defauts.append(defaut);
        return answers.isEmpty() || answers.takeFirst();
    }
    QStringList notices, questions;
    QList<Defaut> defauts;  // the default button of each question
    QList<bool> answers;
};

// A clock the test sets by hand.
class SteeredClock : public Clock {
public:
    QDateTime utc = QDateTime(QDate(2026, 12, 6), QTime(10, 0), Qt::UTC);
    int offsetSeconds = 3600;  // local time ahead of UTC
    QDateTime utcNow() const override { return utc; }
    QDateTime localNow() const override {
        const QDateTime l = utc.addSecs(offsetSeconds);
        return QDateTime(l.date(), l.time());
    }
};

// A fresh data directory and settings store with recording doubles.
struct TestEnv : DossierCarnet {
    std::unique_ptr<QtSettingsStore> settings;
    RecordingDialogs dialogs;
    SteeredClock clock;
    AppContext ctx;

    TestEnv() {
        settings = std::make_unique<QtSettingsStore>(dir.path() + QStringLiteral("/config"));
        ctx.dataDir = dir.path();
        ctx.settings = settings.get();
        ctx.dialogs = &dialogs;
        ctx.clock = &clock;
        ctx.carnet = &carnet;
    }
    // Sets a known station with an existing log holding these lines.
    void station(const QString& call, const QStringList& lines = {}) {
        settings->write(Reglages::App, Reglages::Global, Reglages::Indicatif, call);
        ctx.station = call;
        DossierCarnet::station(call, lines);
    }
};
