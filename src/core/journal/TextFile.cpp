#include "core/journal/TextFile.h"

#include "core/diplomes/TriRapide.h"

#include <QFile>
#include <array>
#include <cstring>

#include "core/journal/FichierAtomique.h"

namespace {

// 0x80..0x9F of Windows-1252; the five unassigned bytes keep their C1 code
// point so that any byte read is written back unchanged.
constexpr std::array<char16_t, 32> kHigh = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                            0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

int encodeChar(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return c;
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == c) return 0x80 + i;
    return -1;
}

}  // namespace

namespace TextFile {

QString decode(const QByteArray& bytes) {
    QString out(bytes.size(), Qt::Uninitialized);
    QChar* d = out.data();
    const auto* s = reinterpret_cast<const unsigned char*>(bytes.constData());
    for (qsizetype i = 0, n = bytes.size(); i < n; ++i) {
        unsigned char b = s[i];
        d[i] = (b >= 0x80 && b < 0xA0) ? QChar(kHigh[b - 0x80]) : QChar(b);
    }
    return out;
}

QByteArray encode(const QString& text, bool* ok) {
    QByteArray out(text.size(), Qt::Uninitialized);
    char* d = out.data();
    bool good = true;
    const QChar* s = text.constData();
    for (qsizetype i = 0, n = text.size(); i < n; ++i) {
        int b = encodeChar(s[i].unicode());
        if (b < 0) {
            good = false;
            b = '?';
        }
        d[i] = static_cast<char>(b);
    }
    if (ok) *ok = good;
    return out;
}

bool canEncode(const QString& text) {
    for (QChar c : text)
        if (encodeChar(c.unicode()) < 0) return false;
    return true;
}

QString sansControles(QString text) {
    text.removeIf([](QChar c) {
        const char16_t u = c.unicode();
        return u < 0x20 || (u >= 0x7F && u < 0xA0);
    });
    return text;
}

QStringList splitLines(const QString& text) {
    QStringList lines;
    if (text.isEmpty()) return lines;
    lines.reserve(text.size() / 100 + 1);
    qsizetype start = 0;
    const qsizetype n = text.size();
    while (start < n) {
        qsizetype nl = text.indexOf(QLatin1Char('\n'), start);
        qsizetype end = nl < 0 ? n : nl;
        qsizetype len = end - start;
        if (len > 0 && text.at(end - 1) == QLatin1Char('\r')) --len;
        lines.append(text.mid(start, len));
        if (nl < 0) break;
        start = nl + 1;
    }
    return lines;
}

QStringList readLines(const QString& path, bool* ok) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        if (ok) *ok = false;
        return {};
    }
    QByteArray bytes = f.readAll();
    if (ok) *ok = f.error() == QFileDevice::NoError;
    return splitLines(decode(bytes));
}

QByteArray joinLines(const QStringList& lines) {
    if (lines.isEmpty()) return {};
    return encode(lines.join(QLatin1String("\r\n")) + QLatin1String("\r\n"));
}

QByteArrayList readRawLines(const QString& path, bool* ok) {
    QByteArrayList lines;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        if (ok) *ok = false;
        return lines;
    }
    const QByteArray all = f.readAll();
    if (ok) *ok = f.error() == QFileDevice::NoError;
    lines.reserve(all.size() / 100 + 1);
    const char* p = all.constData();
    const char* end = p + all.size();
    while (p < end) {
        const char* nl = static_cast<const char*>(std::memchr(p, '\n', end - p));
        const char* le = nl ? nl : end;
        qsizetype len = le - p;
        if (len > 0 && p[len - 1] == '\r') --len;
        lines.append(QByteArray(p, len));
        if (!nl) break;
        p = nl + 1;
    }
    return lines;
}

QByteArray joinRawLines(const QByteArrayList& lines) {
    if (lines.isEmpty()) return {};
    return lines.join(QByteArrayLiteral("\r\n")) + QByteArrayLiteral("\r\n");
}

bool rewrite(const QString& target, QByteArrayView content, QString* error) {
    FichierAtomique f;
    const bool fait = f.open(target) && f.write(content) && f.commit();
    if (!fait && error) *error = f.errorText();
    return fait;
}

bool rewriteLines(const QString& target, const QStringList& lines, QString* error) {
    return rewrite(target, joinLines(lines), error);
}

bool createEmpty(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append)) return false;
    return true;
}

QChar premierIntenable(const QString& text) {
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x20 || u == 0x7F || (u >= 0x80 && u < 0xA0) || !canEncode(QString(c))) return c;
    }
    return {};
}

QByteArray lireTout(QFile& f) {
    QByteArray b = TriRapide::grandTampon(f.size());
    const qint64 lu = f.read(b.data(), b.size());
    if (lu < 0) return {};  // the caller sees f.error()
    b.truncate(lu);
    b += f.readAll();  // what was added since its size was taken
    return b;
}

}  // namespace TextFile
