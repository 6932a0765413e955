#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "core/journal/Carnet.h"

// A fresh data folder holding one station's log, for the logic layer's
// tests: no window, no platform service.
struct DossierCarnet {
    QTemporaryDir dir;
    Carnet carnet;
    QString indicatif = QStringLiteral("F5XYZ");

    QString path(const QString& nom) const { return dir.path() + QLatin1Char('/') + nom; }
    QString logPath() const { return path(indicatif + QStringLiteral("_DCF.log")); }
    // Writes the station's log with these lines and opens it.
    void station(const QString& call, const QStringList& lines = {});
    // Writes the station's log with these bytes and opens it, or fails the test.
    void ouvrir(const QByteArray& octets);
    // The station's log as it is on disk.
    QByteArray log() const { return readFile(indicatif + QStringLiteral("_DCF.log")); }
    QByteArray readFile(const QString& nom) const;
    void writeFile(const QString& nom, const QByteArray& bytes) const;
};

// A file's bytes, "<absent>" when it cannot be read.
QByteArray lireFichier(const QString& chemin);
// Writes the bytes whole, or fails the test.
void ecrireFichier(const QString& chemin, const QByteArray& octets);

// A log line from its fields, through the real formatter.
QString ligne(const QString& call, const QString& dpt, const QString& prenom, const QString& ref, const QString& date,
              const QString& heure, const QString& mode = "SSB", const QString& bande = "14 Mhz",
              const QString& nom = "", bool qsl = false);
