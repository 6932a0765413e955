#include "core/journal/TextFile.h"

#include <QFile>
#include <QFileInfo>
#include <array>
#include <cerrno>
#include <cstdio>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// 0x80..0x9F of Windows-1252; the five unassigned bytes keep their C1 code
// point so that any byte read is written back unchanged.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

int encodeChar(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return c;
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == c) return 0x80 + i;
    return -1;
}

bool syncDirectory(const QString& dir) {
    int fd = ::open(QFile::encodeName(dir).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return false;
    ::fsync(fd);
    ::close(fd);
    return true;
}

QString systeme() { return QString::fromLocal8Bit(std::strerror(errno)); }

// The file a path names: a symlink (or a chain of them, even dangling) is
// followed, so the rewrite replaces the file and the link stays a link.
QString fichierReel(const QString& target) {
    QFileInfo fi(target);
    if (!fi.isSymLink()) return fi.absoluteFilePath();
    const QString c = fi.canonicalFilePath();
    if (!c.isEmpty()) return c;
    QString p = fi.absoluteFilePath();
    for (int i = 0; i < 40 && QFileInfo(p).isSymLink(); ++i) p = QFileInfo(p).symLinkTarget();
    return p;
}

mode_t masque() {
    const mode_t m = ::umask(0);
    ::umask(m);
    return m;
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

bool readOnly(const QString& path) {
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) return false;
    // No write bit means read-only even for root, who could write it anyway.
    return (st.st_mode & 0222) == 0 || ::access(QFile::encodeName(path).constData(), W_OK) != 0;
}

void ignorerLimiteTaille() { std::signal(SIGXFSZ, SIG_IGN); }

bool rewrite(const QString& target, const QString& tmpPath, const QByteArray& content,
             QString* error) {
    const QString reel = fichierReel(target);
    const QByteArray reelNom = QFile::encodeName(reel);
    struct stat avant;
    const bool existe = ::stat(reelNom.constData(), &avant) == 0;
    auto refus = [&](const QString& why) {
        if (error) *error = why;
        return false;
    };
    if (existe && readOnly(reel)) return refus(QStringLiteral("fichier en lecture seule"));

    // A unique name beside the file: a temporary file left by a killed
    // writer, or one being written by another program, is never reused.
    const QFileInfo modele(tmpPath.isEmpty() ? QStringLiteral("Temporaire.txt") : tmpPath);
    const QString suffixe = modele.suffix().isEmpty() ? QString() : QLatin1Char('.') + modele.suffix();
    QByteArray nom = QFile::encodeName(QFileInfo(reel).absolutePath() + QLatin1Char('/') +
                                       modele.completeBaseName() + QStringLiteral("-XXXXXX") + suffixe);
    int fd = ::mkostemps(nom.data(), int(QFile::encodeName(suffixe).size()), O_CLOEXEC);
    if (fd < 0) return refus(systeme());
    auto fail = [&](const QString& why) {
        if (fd >= 0) ::close(fd);
        ::unlink(nom.constData());
        return refus(why);
    };
    // The new file gets the old one's owner and permissions. When the owner
    // cannot be kept (a file of another user), the save is refused rather
    // than handing the file over to us or writing it in place.
    struct stat tmp;
    if (::fstat(fd, &tmp) != 0) return fail(systeme());
    if (existe && (tmp.st_uid != avant.st_uid || tmp.st_gid != avant.st_gid) &&
        ::fchown(fd, avant.st_uid, avant.st_gid) != 0)
        return fail(QStringLiteral("le propriétaire du fichier ne peut pas être conservé (") + systeme() +
                    QLatin1Char(')'));
    const mode_t mode = existe ? (avant.st_mode & 07777) : (0666 & ~masque());
    if (::fchmod(fd, mode) != 0) return fail(systeme());

    const char* p = content.constData();
    qsizetype left = content.size();
    while (left > 0) {
        const ssize_t w = ::write(fd, p, static_cast<size_t>(left));
        if (w < 0) {
            if (errno == EINTR) continue;
            return fail(systeme());
        }
        p += w;
        left -= w;
    }
    if (::fsync(fd) != 0) return fail(systeme());
    const int fermeture = ::close(fd);
    fd = -1;
    if (fermeture != 0) return fail(systeme());
    if (::rename(nom.constData(), reelNom.constData()) != 0) return fail(systeme());
    syncDirectory(QFileInfo(reel).absolutePath());
    return true;
}

bool rewriteLines(const QString& target, const QString& tmpPath, const QStringList& lines,
                  QString* error) {
    return rewrite(target, tmpPath, joinLines(lines), error);
}

bool createEmpty(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append)) return false;
    return true;
}

}  // namespace TextFile
