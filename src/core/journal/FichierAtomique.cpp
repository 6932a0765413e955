#include "core/journal/FichierAtomique.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>

namespace {

QString systeme() { return QString::fromLocal8Bit(std::strerror(errno)); }

// The file a path names: a symlink (or a chain of them, even dangling) is
// followed, so the rename replaces the file and the link stays a link.
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

// Makes the rename itself durable; an I/O error here means the disk may
// lose it, so it fails the commit like the file's own fsync. A folder we may
// not open for reading (mode -wx) cannot be synced and is no error.
bool synchroniserDossier(const QString& dossier) {
    const int fd = ::open(QFile::encodeName(dossier).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return true;
    const bool fait = ::fsync(fd) == 0;
    const int erreur = errno;
    ::close(fd);
    errno = erreur;
    return fait;
}

// The names open() gives: mkostemps fills the X's from [A-Za-z0-9].
const QString Prefixe = QStringLiteral("Temporaire-"), Suffixe = QStringLiteral(".txt");
constexpr int Aleatoires = 6;

bool nomTemporaire(const QString& nom) {
    if (nom.size() != Prefixe.size() + Aleatoires + Suffixe.size() || !nom.startsWith(Prefixe) ||
        !nom.endsWith(Suffixe))
        return false;
    for (QChar c : nom.mid(Prefixe.size(), Aleatoires))
        if (c.unicode() > 0x7F || !c.isLetterOrNumber()) return false;
    return true;
}

}  // namespace

FichierAtomique::~FichierAtomique() { abandonner(); }

void FichierAtomique::abandonner() {
    if (fd_ < 0) return;
    ::close(fd_);
    fd_ = -1;
    ::unlink(temporaire_.constData());
}

bool FichierAtomique::echec(const QString& pourquoi) {
    abandonner();
    erreur_ = pourquoi;
    return false;
}

bool FichierAtomique::readOnly(const QString& path) {
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) return false;
    // No write bit means read-only even for root, who could write it anyway.
    return (st.st_mode & 0222) == 0 || ::access(QFile::encodeName(path).constData(), W_OK) != 0;
}

void FichierAtomique::ignorerLimiteTaille() { std::signal(SIGXFSZ, SIG_IGN); }

bool FichierAtomique::open(const QString& target) {
    abandonner();
    erreur_.clear();
    renomme_ = false;
    const QString reel = fichierReel(target);
    reel_ = QFile::encodeName(reel);
    struct stat avant;
    const bool existe = ::stat(reel_.constData(), &avant) == 0;
    if (existe && readOnly(reel)) return echec(QStringLiteral("fichier en lecture seule"));

    // A unique name beside the file: a temporary file left by a killed
    // writer, or one being written by another program, is never reused.
    temporaire_ = QFile::encodeName(QFileInfo(reel).absolutePath() + QLatin1Char('/') + Prefixe +
                                    QString(Aleatoires, QLatin1Char('X')) + Suffixe);
    fd_ = ::mkostemps(temporaire_.data(), int(Suffixe.size()), O_CLOEXEC);
    if (fd_ < 0) return echec(systeme());
    // The new file gets the old one's owner and permissions. When the owner
    // cannot be kept (a file of another user), the save is refused rather
    // than handing the file over to us or writing it in place.
    struct stat neuf;
    if (::fstat(fd_, &neuf) != 0) return echec(systeme());
    if (existe && (neuf.st_uid != avant.st_uid || neuf.st_gid != avant.st_gid) &&
        ::fchown(fd_, avant.st_uid, avant.st_gid) != 0)
        return echec(QStringLiteral("le propriétaire du fichier ne peut pas être conservé (") + systeme() +
                     QLatin1Char(')'));
    const mode_t mode = existe ? (avant.st_mode & 07777) : (0666 & ~masque());
    if (::fchmod(fd_, mode) != 0) return echec(systeme());
    return true;
}

bool FichierAtomique::write(QByteArrayView bytes) {
    if (fd_ < 0) return false;
    const char* p = bytes.data();
    qsizetype reste = bytes.size();
    while (reste > 0) {
        const ssize_t w = ::write(fd_, p, size_t(reste));
        if (w < 0) {
            if (errno == EINTR) continue;
            return echec(systeme());
        }
        p += w;
        reste -= w;
    }
    return true;
}

bool FichierAtomique::commit() {
    if (fd_ < 0) return false;
    if (::fsync(fd_) != 0) return echec(systeme());
    const bool ferme = ::close(fd_) == 0;
    fd_ = -1;
    if (!ferme || ::rename(temporaire_.constData(), reel_.constData()) != 0) {
        erreur_ = systeme();
        ::unlink(temporaire_.constData());
        return false;
    }
    renomme_ = true;
    const QString dossier = QFileInfo(QFile::decodeName(reel_)).absolutePath();
    if (!synchroniserDossier(dossier))
        return echec(QStringLiteral("le dossier ") + dossier + QStringLiteral(" n'a pas pu être synchronisé (") +
                     systeme() + QLatin1Char(')'));
    return true;
}

QStringList FichierAtomique::nettoyer(const QString& dossier) {
    QStringList retires;
    const QDir d(dossier);
    // No links: a link of that name is not ours, whatever it points to.
    for (const QString& nom : d.entryList({Prefixe + QStringLiteral("*") + Suffixe}, QDir::Files | QDir::NoSymLinks))
        if (nomTemporaire(nom) && QFile::remove(d.filePath(nom))) retires << nom;
    return retires;
}
