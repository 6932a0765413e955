#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>

#include "core/journal/FichierAtomique.h"
#include "core/journal/TextFile.h"
#include "support/Journal.h"

namespace {

mode_t mode(const QString& p) {
    struct stat st {};
    return ::stat(QFile::encodeName(p).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
}
void droits(const QString& p, mode_t m) { ASSERT_EQ(::chmod(QFile::encodeName(p).constData(), m), 0); }
QStringList entrees(const QString& d) { return QDir(d).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name); }

}  // namespace

// Killed writers leave files under the old fixed name, under a unique name,
// even a directory: none is reused or blocks a save. A rename that fails (the
// target is a non-empty directory), a file size limit (EFBIG, not SIGXFSZ
// killing the program) or a write dropped before its commit leaves nothing
// behind either. The rewrite replaces the content, not what the user set
// around the file.
TEST(FichierAtomique, LeftoversFailedWritesModeOwnerLinksAndReadOnlyFiles) {
    QTemporaryDir d;
    const QString cible = d.filePath("F5XYZ_DCF.log");
    ecrireFichier(cible, "ancien\r\n");
    ecrireFichier(d.filePath("Temporaire.txt"), "reste d'un arret brutal");
    ecrireFichier(d.filePath("Temporaire-aaaaaa.txt"), "reste");
    ASSERT_TRUE(QDir(d.path()).mkpath("Temporaire-bbbbbb.txt/bloque") && QDir(d.path()).mkpath("cible/dedans"));
    const QStringList avant = entrees(d.path());
    QString err;
    {
        FichierAtomique f;  // in pieces
        ASSERT_TRUE(f.open(cible) && f.write("\3511\r\n") && f.write("2\r\n") && f.commit())
            << f.errorText().toStdString();
    }
    EXPECT_EQ(lireFichier(cible) + lireFichier(d.filePath("Temporaire.txt")), "\3511\r\n2\r\nreste d'un arret brutal");
    {
        FichierAtomique f;  // dropped before its commit
        ASSERT_TRUE(f.open(cible) && f.write("perdu\r\n"));
    }
    EXPECT_FALSE(TextFile::rewriteLines(d.filePath("cible"), {"x"}, &err) || err.isEmpty());
    FichierAtomique::ignorerLimiteTaille();
    rlimit limite;
    ::getrlimit(RLIMIT_FSIZE, &limite);
    const rlimit petite{4096, limite.rlim_max};
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &petite), 0);
    const bool ecrit = TextFile::rewrite(cible, QByteArray(10000, 'x'), &err);
    ::setrlimit(RLIMIT_FSIZE, &limite);
    EXPECT_FALSE(ecrit || err != QString::fromLocal8Bit(std::strerror(EFBIG)));
    EXPECT_EQ(lireFichier(cible), "\3511\r\n2\r\n");
    EXPECT_EQ(entrees(d.path()), avant);

    QDir(d.path()).mkdir("ailleurs");
    const QString reel = d.filePath("ailleurs/F5XYZ_DCF.log"), lien = d.filePath("lien.log");
    ecrireFichier(reel, "ancien\r\n");
    ASSERT_TRUE(QFile::link(reel, lien));
    droits(reel, 0640);
    ASSERT_TRUE(TextFile::rewrite(lien, "nouveau\r\n", &err)) << err.toStdString();
    EXPECT_TRUE(QFileInfo(lien).isSymLink() && lireFichier(reel) == "nouveau\r\n" && mode(reel) == 0640);
    EXPECT_EQ(entrees(d.filePath("ailleurs")), QStringList{"F5XYZ_DCF.log"});

    // A link to a file not there yet creates it, with the usual mode.
    const QString pendant = d.filePath("pendant.log");
    QFile::link(d.filePath("ailleurs/nouveau.log"), pendant);
    const mode_t masque = ::umask(022);
    EXPECT_TRUE(TextFile::rewrite(pendant, "x\r\n"));
    ::umask(masque);
    EXPECT_TRUE(QFileInfo(pendant).isSymLink() && mode(d.filePath("ailleurs/nouveau.log")) == 0644);
    // Read-only, even for root: refused (the reliability tests keep the bytes).
    droits(reel, 0444);
    EXPECT_TRUE(FichierAtomique::readOnly(lien) && !FichierAtomique::readOnly(pendant));
    EXPECT_FALSE(TextFile::rewrite(lien, "perdu\r\n", &err) || err != "fichier en lecture seule");

    // Another user's file stays theirs when we may keep the owner (root);
    // a user who may not is refused (the reliability tests).
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to give a file to another user";
    droits(reel, 0664);
    ASSERT_EQ(::chown(QFile::encodeName(reel).constData(), 65534, 65534), 0);
    ASSERT_TRUE(TextFile::rewrite(lien, "encore\r\n"));
    EXPECT_TRUE(QFileInfo(reel).ownerId() == 65534 && QFileInfo(reel).groupId() == 65534);
}

// Start-up cleanup: only what open() names, as regular files; a name of
// another shape, a link or a folder of that name is not ours and stays. The
// kill tests clean what a killed writer left.
TEST(FichierAtomique, CleanupRemovesOnlyOurOwnLeftovers) {
    QTemporaryDir d;
    for (const char* nom : {"Temporaire-a1B2c3.txt", "Temporaire.txt", "Temporaire-a1B2c3d.txt",
                            "Temporaire-a1_2c3.txt", "Temporaire-a1B2c3.log", "F5XYZ_DCF.log"})
        ecrireFichier(d.filePath(nom), "x");
    ASSERT_TRUE(QDir(d.path()).mkdir("Temporaire-dossie.txt") &&
                QFile::link(d.filePath("F5XYZ_DCF.log"), d.filePath("Temporaire-lien00.txt")));
    QStringList reste = entrees(d.path());
    reste.removeOne("Temporaire-a1B2c3.txt");
    EXPECT_EQ(FichierAtomique::nettoyer(d.path()), QStringList{"Temporaire-a1B2c3.txt"});
    EXPECT_EQ(entrees(d.path()), reste);
}

// Windows-1252 both ways and any line end.
TEST(TextFile, EncodingAndLineEnds) {
    DossierCarnet d;
    QByteArray tous;
    for (int b = 0; b < 256; ++b)
        if (b != '\r' && b != '\n') tous.append(char(b));
    bool ok = false, bon = false;
    EXPECT_EQ(TextFile::encode(TextFile::decode(tous), &bon), tous);
    EXPECT_EQ(TextFile::decode("\xE9\x80\x9C"), QString::fromUtf8("é€œ"));
    TextFile::encode(QString::fromUtf8("Łódź"), &ok);
    EXPECT_TRUE(bon && !ok && !TextFile::canEncode(QString::fromUtf8("日本")));
    d.writeFile("a.txt", "un\r\ndeux\ntrois\r\n\r\nquatre");
    EXPECT_EQ(TextFile::readLines(d.path("a.txt"), &ok), QStringList({"un", "deux", "trois", "", "quatre"}));
    EXPECT_TRUE(ok && TextFile::readLines(d.path("absent.txt"), &ok).isEmpty() && !ok);
    EXPECT_FALSE(TextFile::createEmpty(d.path("absent/X_DCF.log")));
}
