#pragma once
#include <QDBusConnection>
#include <QString>

// Desktop notifications through the freedesktop service
// (org.freedesktop.Notifications) on a D-Bus bus, the session's by default.
class NotificationsBureau {
public:
    explicit NotificationsBureau(QDBusConnection bus = QDBusConnection::sessionBus());

    // Asks the service to show a notification, without waiting: with no
    // bus or no service, nothing happens and nothing is said.
    void notifier(const QString& titre, const QString& texte);

private:
    QDBusConnection bus_;
};
