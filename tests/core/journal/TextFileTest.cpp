#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/journal/TextFile.h"
#include "platform/SettingsStore.h"

namespace {

QByteArray lire(const QString& p) { QFile f(p); return f.open(QIODevice::ReadOnly) ? f.readAll() : "<absent>"; }
void ecrire(const QString& p, const QByteArray& b) { QFile f(p); ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(b) == b.size()); }
mode_t mode(const QString& p) { struct stat st {}; return ::stat(QFile::encodeName(p).constData(), &st) == 0 ? st.st_mode & 07777 : 0; }
void droits(const QString& p, mode_t m) { ASSERT_EQ(::chmod(QFile::encodeName(p).constData(), m), 0); }
QStringList entrees(const QString& d) { return QDir(d).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name); }

}  // namespace

// Windows-1252 both ways and any line end. Killed writers leave files under
// the old fixed name, under a unique name, even a directory: none is reused or
// blocks a save. A rename that fails (the target is a non-empty directory) or
// a file size limit (EFBIG, not SIGXFSZ killing the program) leaves nothing
// behind either. The rewrite replaces the content, not what the user set
// around the file.
TEST(TextFile, EncodingLeftoversFailedWritesModeOwnerLinksAndReadOnlyFiles) {
    QTemporaryDir d;
    QByteArray tous;
    for (int b = 0; b < 256; ++b) if (b != '\r' && b != '\n') tous.append(char(b));
    bool ok = false, bon = false;
    EXPECT_EQ(TextFile::encode(TextFile::decode(tous), &bon), tous);
    EXPECT_EQ(TextFile::decode("\xE9\x80\x9C"), QString::fromUtf8("é€œ"));
    TextFile::encode(QString::fromUtf8("Łódź"), &ok);
    EXPECT_TRUE(bon && !ok && !TextFile::canEncode(QString::fromUtf8("日本")));
    ecrire(d.filePath("a.txt"), "un\r\ndeux\ntrois\r\n\r\nquatre");
    EXPECT_EQ(TextFile::readLines(d.filePath("a.txt"), &ok), QStringList({"un", "deux", "trois", "", "quatre"}));
    EXPECT_TRUE(ok && TextFile::readLines(d.filePath("absent.txt"), &ok).isEmpty() && !ok);
    EXPECT_FALSE(TextFile::createEmpty(d.filePath("absent/X_DCF.log")));
    const QString cible = d.filePath("F5XYZ_DCF.log");
    ecrire(cible, "ancien\r\n");
    ecrire(d.filePath("Temporaire.txt"), "reste d'un arret brutal");
    ecrire(d.filePath("Temporaire-aaaaaa.txt"), "reste");
    ASSERT_TRUE(QDir(d.path()).mkpath("Temporaire6.txt/bloque") && QDir(d.path()).mkpath("cible/dedans"));
    const QStringList avant = entrees(d.path());
    QString err;
    ASSERT_TRUE(TextFile::rewriteLines(cible, d.filePath("Temporaire.txt"), {"é1", "2"}, &err)) << err.toStdString();
    ASSERT_TRUE(TextFile::rewriteLines(cible, d.filePath("Temporaire6.txt"), {"é1", "2"}, &err));
    EXPECT_EQ(lire(cible) + lire(d.filePath("Temporaire.txt")), "\xE9" "1\r\n2\r\nreste d'un arret brutal");
    EXPECT_FALSE(TextFile::rewriteLines(d.filePath("cible"), d.filePath("T6.txt"), {"x"}, &err) || err.isEmpty());
    TextFile::ignorerLimiteTaille();
    rlimit limite;
    ::getrlimit(RLIMIT_FSIZE, &limite);
    const rlimit petite{4096, limite.rlim_max};
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &petite), 0);
    const bool ecrit = TextFile::rewrite(cible, {}, QByteArray(10000, 'x'), &err);
    ::setrlimit(RLIMIT_FSIZE, &limite);
    EXPECT_FALSE(ecrit || err != QString::fromLocal8Bit(std::strerror(EFBIG)));
    EXPECT_EQ(lire(cible), "\xE9" "1\r\n2\r\n");
    EXPECT_EQ(entrees(d.path()), avant);

    QDir(d.path()).mkdir("ailleurs");
    const QString reel = d.filePath("ailleurs/F5XYZ_DCF.log"), lien = d.filePath("lien.log");
    ecrire(reel, "ancien\r\n");
    ASSERT_TRUE(QFile::link(reel, lien));
    droits(reel, 0640);
    ASSERT_TRUE(TextFile::rewrite(lien, d.filePath("Temporaire.txt"), "nouveau\r\n", &err)) << err.toStdString();
    EXPECT_TRUE(QFileInfo(lien).isSymLink() && lire(reel) == "nouveau\r\n" && mode(reel) == 0640);
    EXPECT_EQ(entrees(d.filePath("ailleurs")), QStringList{"F5XYZ_DCF.log"});

    // A link to a file not there yet creates it, with the usual mode.
    const QString pendant = d.filePath("pendant.log");
    QFile::link(d.filePath("ailleurs/nouveau.log"), pendant);
    const mode_t masque = ::umask(022);
    EXPECT_TRUE(TextFile::rewrite(pendant, {}, "x\r\n"));
    ::umask(masque);
    EXPECT_TRUE(QFileInfo(pendant).isSymLink() && mode(d.filePath("ailleurs/nouveau.log")) == 0644);

    // Read-only, even for root: refused, untouched, still read-only.
    droits(reel, 0444);
    EXPECT_TRUE(TextFile::readOnly(lien) && !TextFile::readOnly(pendant));
    EXPECT_FALSE(TextFile::rewrite(lien, {}, "perdu\r\n", &err) || err != "fichier en lecture seule");
    EXPECT_TRUE(lire(reel) == "nouveau\r\n" && mode(reel) == 0444);

    // Another user's file stays theirs when we may keep the owner (root);
    // a user who may not is refused (the reliability tests).
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to give a file to another user";
    droits(reel, 0664);
    ASSERT_EQ(::chown(QFile::encodeName(reel).constData(), 65534, 65534), 0);
    ASSERT_TRUE(TextFile::rewrite(lien, {}, "encore\r\n"));
    EXPECT_TRUE(QFileInfo(reel).ownerId() == 65534 && QFileInfo(reel).groupId() == 65534);
}

TEST(SettingsStore, SectionsWithABlankAndSeparateApplications) {
    QTemporaryDir d;
    QtSettingsStore(d.path()).write("DCF", "Setup ", "Indicatif Station", "F5XYZ_P");
    QtSettingsStore(d.path()).write("DCF", "Setup F5XYZ_P", "Revision", " 1.0.3");
    QtSettingsStore(d.path()).write("Polyvox", "Setup F5XYZ_P", "bande Cluster", "5");
    QtSettingsStore(d.path()).write("DCF", "Setup F5XYZ_P", "bande Utilisee", "douze");
    QtSettingsStore s(d.path());  // a later run
    EXPECT_EQ(QStringList({s.read("DCF", "Setup ", "Indicatif Station", "FXXXX"), s.read("DCF", "Setup F5XYZ_P", "Revision", ""),
                           s.read("DCF", "Setup F5XYZ_P", "bande Cluster", "0"), s.read("Polyvox", "Setup F5XYZ_P", "bande Cluster", "0")}),
              QStringList({"F5XYZ_P", " 1.0.3", "0", "5"}));
    EXPECT_EQ(s.readIndex("DCF", "Setup F5XYZ_P", "bande Utilisee"), 0);
    EXPECT_TRUE(QFile::exists(d.filePath("Vitralog/Polyvox.ini")));
}
