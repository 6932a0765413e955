#include "ui/AppContext.h"

#include "core/Reglages.h"
#include "core/journal/Carnet.h"
#include "platform/SettingsStore.h"

QString AppContext::readStation(const QString& key, const QString& def) const {
    return settings->read(Reglages::App, stationSection(), key, def);
}

void AppContext::writeStation(const QString& key, const QString& value) const {
    settings->write(Reglages::App, stationSection(), key, value);
}

int AppContext::readStationIndex(const QString& key) const {
    return settings->readIndex(Reglages::App, stationSection(), key, 0);
}

Carnet* AppContext::carnetAJour() const {
    if (carnet->chemin() != logPath())
        carnet->ouvrir(logPath());
    else
        carnet->actualiser();
    return carnet;
}
