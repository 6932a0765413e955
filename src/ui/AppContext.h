#pragma once
#include <QString>

#include "core/Reglages.h"

class SettingsStore;
class Dialogs;
class Clock;
class HttpClient;
class WebViewFactory;
class Printer;
class Carnet;
class Sauvegardes;

// What every window shares: the data directory, the station and the
// platform services. Built in main.cpp; tests build their own with doubles.
struct AppContext {
    QString dataDir;                            // Chemin_Repertoire
    QString station = Reglages::StationDefaut;  // Indicatif_Station, stored form
    SettingsStore* settings = nullptr;
    Dialogs* dialogs = nullptr;
    Clock* clock = nullptr;
    HttpClient* http = nullptr;
    WebViewFactory* webViews = nullptr;  // the web view of the rules and cluster windows
    Printer* printer = nullptr;
    Carnet* carnet = nullptr;            // the station's log
    Sauvegardes* sauvegardes = nullptr;  // the session's backups; none in most tests

    bool stationSet() const { return station != Reglages::StationDefaut; }
    QString path(const QString& fileName) const { return dataDir + QLatin1Char('/') + fileName; }
    // Fichier_Log, built each time: the station may have changed.
    QString logPath() const { return path(station + QStringLiteral("_DCF.log")); }
    QString stationSection() const { return QStringLiteral("Setup ") + station; }

    // Settings of application "DCF" in the current station's section.
    QString readStation(const QString& key, const QString& def) const;
    void writeStation(const QString& key, const QString& value) const;
    int readStationIndex(const QString& key) const;

    // The log object holding the station's log as it is on disk now: read
    // again when the station changed or the file did.
    Carnet* carnetAJour() const;
};
