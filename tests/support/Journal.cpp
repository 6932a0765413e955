#include "support/Journal.h"

#include <gtest/gtest.h>
#include <QFile>

#include "core/journal/LigneQso.h"
#include "core/journal/TextFile.h"

void DossierCarnet::station(const QString& call, const QStringList& lines) {
    indicatif = call;
    writeFile(call + QStringLiteral("_DCF.log"), TextFile::joinLines(lines));
    carnet.ouvrir(logPath());
}

void DossierCarnet::ouvrir(const QByteArray& octets) {
    writeFile(indicatif + QStringLiteral("_DCF.log"), octets);
    ASSERT_TRUE(carnet.ouvrir(logPath()));
}

QByteArray DossierCarnet::readFile(const QString& nom) const {
    QFile f(path(nom));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void DossierCarnet::writeFile(const QString& nom, const QByteArray& bytes) const {
    QFile f(path(nom));
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(bytes);
}

QByteArray lireFichier(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
}

void ecrireFichier(const QString& chemin, const QByteArray& octets) {
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(octets) == octets.size());
}

QString ligne(const QString& call, const QString& dpt, const QString& prenom, const QString& ref, const QString& date,
              const QString& heure, const QString& mode, const QString& bande, const QString& nom, bool qsl) {
    const QString rst = mode == "CW" ? "599" : "59";
    return LigneQso::format({call, dpt, prenom, ref, date, heure, mode, bande, rst, rst, nom, qsl ? "*" : " "});
}
