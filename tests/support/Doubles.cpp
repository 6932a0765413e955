#include "support/Doubles.h"

#include <QFile>

#include "core/Reglages.h"
#include "core/journal/LigneQso.h"
#include "core/journal/TextFile.h"

void TestEnv::station(const QString& call, const QStringList& lines) {
    settings->write(Keys::App, Keys::Global, Keys::Indicatif, call);
    ctx.station = call;
    writeFile(call + "_DCF.log", TextFile::joinLines(lines));
    carnet.ouvrir(ctx.logPath());
}

QByteArray TestEnv::readFile(const QString& name) const {
    QFile f(dir.path() + "/" + name);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

void TestEnv::writeFile(const QString& name, const QByteArray& bytes) const {
    QFile f(dir.path() + "/" + name);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(bytes);
}

QString ligne(const QString& call, const QString& dpt, const QString& prenom, const QString& ref,
              const QString& date, const QString& heure, const QString& mode, const QString& bande,
              const QString& nom, bool qsl) {
    Qso q{call, dpt, prenom, ref, date, heure, mode, bande,
          mode == "CW" ? "599" : "59", mode == "CW" ? "599" : "59", nom, qsl ? "*" : " "};
    return LigneQso::format(q);
}
