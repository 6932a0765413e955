#include "support/Doubles.h"

#include <QFile>

#include "core/Reglages.h"
#include "core/journal/LigneQso.h"
#include "core/journal/TextFile.h"

void TestEnv::station(const QString& call, const QStringList& lines) {
    settings->write(Reglages::App, Reglages::Global, Reglages::Indicatif, call);
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
