#include "core/journal/FichierAtomique.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
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

// Makes the rename itself durable. Its failure is not the save's: once the
// rename is done the file holds the new content, and "not modified" would be
// untrue.
void synchroniserDossier(const QString& dossier) {
    const int fd = ::open(QFile::encodeName(dossier).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
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
    const QString reel = fichierReel(target);
    reel_ = QFile::encodeName(reel);
    struct stat avant;
    const bool existe = ::stat(reel_.constData(), &avant) == 0;
    if (existe && readOnly(reel)) return echec(QStringLiteral("fichier en lecture seule"));

    // A unique name beside the file: a temporary file left by a killed
    // writer, or one being written by another program, is never reused.
    const QString suffixe = QStringLiteral(".txt");
    temporaire_ = QFile::encodeName(QFileInfo(reel).absolutePath() + QStringLiteral("/Temporaire-XXXXXX") + suffixe);
    fd_ = ::mkostemps(temporaire_.data(), int(suffixe.size()), O_CLOEXEC);
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
    synchroniserDossier(QFileInfo(QFile::decodeName(reel_)).absolutePath());
    return true;
}
