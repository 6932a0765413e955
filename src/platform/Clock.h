#pragma once
#include <QDateTime>
#include <QString>

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime utcNow() const = 0;
    virtual QDateTime localNow() const = 0;
    // Today's date in the short form DD/MM/YYYY.
    virtual QString todayShort() const { return localNow().date().toString(QStringLiteral("dd/MM/yyyy")); }
};

class SystemClock : public Clock {
public:
    QDateTime utcNow() const override { return QDateTime::currentDateTimeUtc(); }
    QDateTime localNow() const override { return QDateTime::currentDateTime(); }
};
