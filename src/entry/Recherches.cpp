#include "entry/Recherches.h"

#include <QFile>
#include <cstring>

#include "platform/TextFile.h"

namespace Recherches {

namespace {

QByteArray trimmed(const char* p, qsizetype n) {
    while (n > 0 && *p == ' ') ++p, --n;
    while (n > 0 && p[n - 1] == ' ') --n;
    return QByteArray(p, n);
}

}  // namespace

DejaContacte Cherche_Ref_Log(const QString& fichierLog, const QString& reference,
                             const QString& bande) {
    QFile f(fichierLog);
    if (!f.open(QIODevice::ReadOnly)) return {};
    bool ok1 = true, ok2 = true;
    const QByteArray ref = TextFile::encode(reference.trimmed(), &ok1);
    const QByteArray band = TextFile::encode(bande, &ok2);
    if (!ok1 || !ok2) return {};  // the log cannot hold such text
    const QByteArray all = f.readAll();

    // Compared as bytes, line by line, so a large log is scanned in one pass.
    const char* p = all.constData();
    const char* end = p + all.size();
    while (p < end) {
        const char* nl = static_cast<const char*>(std::memchr(p, '\n', end - p));
        const char* le = nl ? nl : end;
        qsizetype len = le - p;
        if (len > 0 && p[len - 1] == '\r') --len;
        auto field = [&](int pos, int width) {
            return pos >= len ? QByteArray() : trimmed(p + pos, std::min<qsizetype>(width, len - pos));
        };
        // The band is compared as it stands: blanks the operator typed count.
        if (field(32, 8) == ref && field(59, 7) == band)
            return {true, TextFile::decode(len > 40 ? QByteArray(p + 40, std::min<qsizetype>(8, len - 40))
                                                    : QByteArray())};
        p = le + 1;
    }
    return {};
}

QString cle(const QString& reference) {
    const qsizetype i = reference.indexOf(QLatin1Char('-'));
    return i < 0 ? reference : reference.mid(i + 1);
}

QString nomCourt(const QString& cleRef, const QString& ville, const QString& eglise) {
    const bool basilique = cleRef.endsWith(QLatin1Char('B'));
    const QString prefixe = basilique ? QStringLiteral("B. ") : QStringLiteral("C. ");
    const QString longNom = prefixe + eglise + QStringLiteral(" à ") + ville;
    if (longNom.size() > 30) return prefixe + QStringLiteral("de ") + ville;
    return longNom;
}

Cathedrale Cherche_Ref_Liste(const QString& fichierListe, const QString& reference) {
    const QString k = cle(reference);
    for (const QString& l : TextFile::readLines(fichierListe)) {
        const QStringList champs = l.split(QLatin1Char(';'));
        if (champs.size() < 5) continue;  // fewer than four ";"
        if (cle(champs[0]) == k) return {true, nomCourt(k, champs[1], champs[3]), champs[2]};
    }
    return {};
}

}  // namespace Recherches
