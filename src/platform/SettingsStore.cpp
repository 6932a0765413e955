#include "platform/SettingsStore.h"

#include <QSettings>

int SettingsStore::readIndex(const QString& app, const QString& section, const QString& key, int def) {
    bool ok = false;
    int v = read(app, section, key, QString::number(def)).trimmed().toInt(&ok);
    return ok ? v : 0;
}

QtSettingsStore::QtSettingsStore(QString configDir) : configDir_(std::move(configDir)) {}
QtSettingsStore::~QtSettingsStore() = default;

QSettings& QtSettingsStore::store(const QString& app) {
    auto it = stores_.find(app);
    if (it != stores_.end()) return *it->second;
    std::unique_ptr<QSettings> s;
    if (configDir_.isEmpty())
        s = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Vitralog"), app);
    else
        s = std::make_unique<QSettings>(configDir_ + QStringLiteral("/Vitralog/") + app + QStringLiteral(".ini"),
                                        QSettings::IniFormat);
    return *stores_.emplace(app, std::move(s)).first->second;
}

QString QtSettingsStore::read(const QString& app, const QString& section, const QString& key, const QString& def) {
    QSettings& s = store(app);
    s.sync();  // another window or run may have written since
    return s.value(section + QLatin1Char('/') + key, def).toString();
}

void QtSettingsStore::write(const QString& app, const QString& section, const QString& key, const QString& value) {
    QSettings& s = store(app);
    s.setValue(section + QLatin1Char('/') + key, value);
    s.sync();  // written when changed, never at exit
}

QString QtSettingsStore::fichier(const QString& app) { return store(app).fileName(); }
