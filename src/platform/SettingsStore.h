#pragma once
#include <QString>
#include <map>
#include <memory>

class QSettings;

// Text values addressed by application, section and key.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual QString read(const QString& app, const QString& section, const QString& key, const QString& def) = 0;
    virtual void write(const QString& app, const QString& section, const QString& key, const QString& value) = 0;
    // The file holding an application's settings, to back it up; none when not a file.
    virtual QString fichier(const QString& /*app*/) { return {}; }
    // A list index: a text that is not a whole number reads as 0.
    int readIndex(const QString& app, const QString& section, const QString& key, int def = 0);
};

// Per-user INI files, one per application name: <dir>/Vitralog/<app>.ini.
// An empty dir means the platform's user configuration folder.
class QtSettingsStore : public SettingsStore {
public:
    explicit QtSettingsStore(QString configDir = {});
    ~QtSettingsStore() override;
    QString read(const QString& app, const QString& section, const QString& key, const QString& def) override;
    void write(const QString& app, const QString& section, const QString& key, const QString& value) override;
    QString fichier(const QString& app) override;

private:
    QSettings& store(const QString& app);
    QString configDir_;
    std::map<QString, std::unique_ptr<QSettings>> stores_;
};
