#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/SettingsStore.h"
#include "core/journal/TextFile.h"

namespace {

QByteArray lire(const QString& p) {
    QFile f(p);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

void ecrire(const QString& p, const QByteArray& b) {
    QFile f(p);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(b);
}

}  // namespace

TEST(TextFile, EveryByteSurvivesAReadAndAWrite) {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        if (b != '\r' && b != '\n') all.append(char(b));
    bool ok = false;
    EXPECT_EQ(TextFile::encode(TextFile::decode(all), &ok), all);
    EXPECT_TRUE(ok);
    EXPECT_EQ(TextFile::decode("\xE9\x80\x9C"), QString::fromUtf8("é€œ"));
}

TEST(TextFile, CharactersOutsideWindows1252AreReported) {
    bool ok = true;
    TextFile::encode(QString::fromUtf8("Łódź"), &ok);
    EXPECT_FALSE(ok);
    EXPECT_FALSE(TextFile::canEncode(QString::fromUtf8("日本")));
    EXPECT_TRUE(TextFile::canEncode(QString::fromUtf8("Cathédrale Notre-Dame € œ")));
}

TEST(TextFile, ReadingAcceptsLfCrLfAndAMissingLastEnd) {
    QTemporaryDir d;
    const QString p = d.filePath("a.txt");
    ecrire(p, "un\r\ndeux\ntrois\r\n\r\nquatre");
    EXPECT_EQ(TextFile::readLines(p), QStringList({"un", "deux", "trois", "", "quatre"}));
    bool ok = true;
    EXPECT_TRUE(TextFile::readLines(d.filePath("absent.txt"), &ok).isEmpty());
    EXPECT_FALSE(ok);
    ecrire(p, "");
    EXPECT_TRUE(TextFile::readLines(p, &ok).isEmpty());
    EXPECT_TRUE(ok);
}

TEST(TextFile, LeftoverTemporaryFilesNeitherBlockNorGetReused) {
    QTemporaryDir d;
    const QString target = d.filePath("F5XYZ_DCF.log");
    ecrire(target, "ancien\r\n");
    // What killed writers leave behind: a file under the old fixed name, one
    // under a unique name, and even a directory.
    ecrire(d.filePath("Temporaire.txt"), "reste d'un arret brutal");
    ecrire(d.filePath("Temporaire-aaaaaa.txt"), "reste");
    QDir(d.path()).mkpath("Temporaire6.txt/bloque");
    const QStringList avant = QDir(d.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
    QString err;
    ASSERT_TRUE(TextFile::rewriteLines(target, d.filePath("Temporaire.txt"), {"é1", "2"}, &err))
        << err.toStdString();
    ASSERT_TRUE(TextFile::rewriteLines(target, d.filePath("Temporaire6.txt"), {"é1", "2"}, &err));
    EXPECT_EQ(lire(target), QByteArray("\xE9" "1\r\n2\r\n"));
    EXPECT_EQ(lire(d.filePath("Temporaire.txt")), "reste d'un arret brutal");
    EXPECT_EQ(QDir(d.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name), avant);

    // A rename that fails (the target is a non-empty directory) leaves no file.
    QDir(d.path()).mkpath("cible/dedans");
    EXPECT_FALSE(TextFile::rewriteLines(d.filePath("cible"), d.filePath("T6.txt"), {"x"}, &err));
    EXPECT_FALSE(err.isEmpty());
    QStringList apres = avant + QStringList{"cible"};
    apres.sort();
    EXPECT_EQ(QDir(d.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name), apres);
}

// The rewrite replaces the file's content, not what the user set around it.
TEST(TextFile, RewriteKeepsModeOwnerAndLinksAndRefusesReadOnlyFiles) {
    QTemporaryDir d;
    QDir(d.path()).mkdir("ailleurs");
    const QString reel = d.filePath("ailleurs/F5XYZ_DCF.log"), lien = d.filePath("F5XYZ_DCF.log");
    ecrire(reel, "ancien\r\n");
    ASSERT_TRUE(QFile::link(reel, lien));
    ::chmod(QFile::encodeName(reel).constData(), 0640);
    QString err;
    ASSERT_TRUE(TextFile::rewrite(lien, d.filePath("Temporaire.txt"), "nouveau\r\n", &err)) << err.toStdString();
    EXPECT_TRUE(QFileInfo(lien).isSymLink());
    EXPECT_EQ(lire(reel), "nouveau\r\n");
    struct stat st;
    ASSERT_EQ(::stat(QFile::encodeName(reel).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(QDir(d.filePath("ailleurs")).entryList(QDir::Files).size(), 1);

    // A link to a file not there yet creates the file, with the usual mode.
    const QString pendant = d.filePath("pendant.log");
    QFile::link(d.filePath("ailleurs/nouveau.log"), pendant);
    const mode_t masque = ::umask(022);
    EXPECT_TRUE(TextFile::rewrite(pendant, {}, "x\r\n"));
    ::umask(masque);
    EXPECT_TRUE(QFileInfo(pendant).isSymLink());
    ASSERT_EQ(::stat(QFile::encodeName(d.filePath("ailleurs/nouveau.log")).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0644u);

    // Read-only (even for root): refused, untouched, still read-only.
    ::chmod(QFile::encodeName(reel).constData(), 0444);
    EXPECT_TRUE(TextFile::readOnly(lien));
    EXPECT_FALSE(TextFile::readOnly(pendant));
    EXPECT_FALSE(TextFile::readOnly(d.filePath("absent.log")));
    EXPECT_FALSE(TextFile::rewrite(lien, {}, "perdu\r\n", &err));
    EXPECT_EQ(err, "fichier en lecture seule");
    EXPECT_EQ(lire(reel), "nouveau\r\n");
    ASSERT_EQ(::stat(QFile::encodeName(reel).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0444u);

    // Another user's file stays theirs (root can keep the owner; a user who
    // cannot is refused, see the reliability tests).
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to give a file to another user";
    ::chmod(QFile::encodeName(reel).constData(), 0664);
    ASSERT_EQ(::chown(QFile::encodeName(reel).constData(), 65534, 65534), 0);
    ASSERT_TRUE(TextFile::rewrite(lien, {}, "encore\r\n"));
    ASSERT_EQ(::stat(QFile::encodeName(reel).constData(), &st), 0);
    EXPECT_EQ(st.st_uid, 65534u);
    EXPECT_EQ(st.st_gid, 65534u);
}

TEST(TextFile, AFileSizeLimitFailsTheWriteInsteadOfKillingTheProgram) {
    QTemporaryDir d;
    const QString target = d.filePath("F5XYZ_DCF.log");
    ecrire(target, "ancien\r\n");
    TextFile::ignorerLimiteTaille();
    struct rlimit avant;
    ::getrlimit(RLIMIT_FSIZE, &avant);
    struct rlimit petite = avant;
    petite.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &petite), 0);
    QString err;
    const bool ecrit = TextFile::rewrite(target, {}, QByteArray(10000, 'x'), &err);
    ::setrlimit(RLIMIT_FSIZE, &avant);
    EXPECT_FALSE(ecrit);
    EXPECT_EQ(err, QString::fromLocal8Bit(std::strerror(EFBIG)));
    EXPECT_EQ(lire(target), "ancien\r\n");
    EXPECT_EQ(QDir(d.path()).entryList(QDir::Files), QStringList{"F5XYZ_DCF.log"});
}

TEST(TextFile, AFileThatCannotBeCreatedIsReported) {
    QTemporaryDir d;
    EXPECT_FALSE(TextFile::createEmpty(d.filePath("absent/X_DCF.log")));
    EXPECT_TRUE(TextFile::createEmpty(d.filePath("X_DCF.log")));
    EXPECT_EQ(QFileInfo(d.filePath("X_DCF.log")).size(), 0);
}

TEST(SettingsStore, SectionsWithABlankAndSeparateApplications) {
    QTemporaryDir d;
    {
        QtSettingsStore s(d.path());
        EXPECT_EQ(s.read("DCF", "Setup ", "Indicatif Station", "FXXXX"), "FXXXX");
        s.write("DCF", "Setup ", "Indicatif Station", "F5XYZ_P");
        s.write("DCF", "Setup F5XYZ_P", "Revision", " 1.0.3");
        s.write("Polyvox", "Setup F5XYZ_P", "bande Cluster", "5");
        s.write("DCF", "Setup F5XYZ_P", "bande Utilisee", "douze");
    }
    QtSettingsStore s(d.path());  // a later run
    EXPECT_EQ(s.read("DCF", "Setup ", "Indicatif Station", "FXXXX"), "F5XYZ_P");
    EXPECT_EQ(s.read("DCF", "Setup F5XYZ_P", "Revision", ""), " 1.0.3");
    EXPECT_EQ(s.read("DCF", "Setup F5XYZ_P", "bande Cluster", "0"), "0");
    EXPECT_EQ(s.read("Polyvox", "Setup F5XYZ_P", "bande Cluster", "0"), "5");
    EXPECT_EQ(s.readIndex("DCF", "Setup F5XYZ_P", "bande Utilisee"), 0);
    EXPECT_TRUE(QFile::exists(d.filePath("Vitralog/DCF.ini")));
    EXPECT_TRUE(QFile::exists(d.filePath("Vitralog/Polyvox.ini")));
}
