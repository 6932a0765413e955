#include "platform/NotificationsBureau.h"

#include <QDBusMessage>
#include <QStringList>
#include <QVariantMap>

NotificationsBureau::NotificationsBureau(QDBusConnection bus) : bus_(std::move(bus)) {}

void NotificationsBureau::notifier(const QString& titre, const QString& texte) {
    if (!bus_.isConnected()) return;
    QDBusMessage m = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    // The desktop entry lets the service show the program's name and icon.
    const QVariantMap indices{{QStringLiteral("desktop-entry"), QStringLiteral("fr.vitralog.Vitralog")}};
    m << QStringLiteral("Vitralog") << uint(0) << QStringLiteral("fr.vitralog.Vitralog") << titre << texte
      << QStringList() << indices << -1;
    // The reply, or the bus's error when no service answers, is not awaited.
    bus_.send(m);
}
