#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/DossierDonnees.h"
#include "support/Doubles.h"

TEST(Dossier, ChosenOnTheCommandLineOrByTheEnvironment) {
    EXPECT_EQ(DossierDonnees::choisir({"vitralog", "--dossier", "/tmp/portable"}), "/tmp/portable");
    EXPECT_EQ(DossierDonnees::choisir({"vitralog", "--dossier=/tmp/p2"}), "/tmp/p2");
    qputenv("VITRALOG_DOSSIER", "/tmp/p3");
    EXPECT_EQ(DossierDonnees::choisir({"vitralog"}), "/tmp/p3");
    qunsetenv("VITRALOG_DOSSIER");
    EXPECT_TRUE(DossierDonnees::choisir({"vitralog"}).endsWith("/Vitralog"));
    EXPECT_FALSE(DossierDonnees::choisir({"vitralog"}).endsWith("Vitralog/Vitralog"));
}

TEST(Dossier, OldFilesMoveInAndNothingIsOverwritten) {
    QTemporaryDir ancien, nouveau;
    auto ecrire = [](const QString& f, const QByteArray& b) {
        QFile x(f);
        ASSERT_TRUE(x.open(QIODevice::WriteOnly));
        x.write(b);
    };
    ecrire(ancien.filePath("F5XYZ_DCF.log"), "ancien log");
    ecrire(ancien.filePath("Liste_Prenom.txt"), "anciens prenoms");
    ecrire(ancien.filePath("vitralog"), "le programme");
    ecrire(nouveau.filePath("Liste_Prenom.txt"), "prenoms actuels");
    const QStringList d = DossierDonnees::migrer({ancien.path(), "/nulle/part"}, nouveau.path());
    EXPECT_EQ(d, QStringList{"F5XYZ_DCF.log"});
    QFile log(nouveau.filePath("F5XYZ_DCF.log")), pre(nouveau.filePath("Liste_Prenom.txt"));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly) && pre.open(QIODevice::ReadOnly));
    EXPECT_EQ(log.readAll(), "ancien log");
    EXPECT_EQ(pre.readAll(), "prenoms actuels");
    EXPECT_TRUE(QFile::exists(ancien.filePath("Liste_Prenom.txt")));  // left where it was
    EXPECT_TRUE(QFile::exists(ancien.filePath("vitralog")));
}

TEST(Dossier, OneCopyPerFolderAndAKilledCopyDoesNotBlock) {
    QTemporaryDir dir;
    {
        auto premier = DossierDonnees::verrouiller(dir.path());
        ASSERT_TRUE(premier);
        EXPECT_FALSE(DossierDonnees::verrouiller(dir.path()));
    }
    EXPECT_TRUE(DossierDonnees::verrouiller(dir.path()));
    // A copy that dies holding the lock leaves its file behind.
    const pid_t enfant = fork();
    if (enfant == 0) {
        auto l = DossierDonnees::verrouiller(dir.path());
        _exit(l ? 0 : 1);  // no unlock: killed copies do not clean up
    }
    int statut = 0;
    waitpid(enfant, &statut, 0);
    ASSERT_EQ(WEXITSTATUS(statut), 0);
    ASSERT_TRUE(QFile::exists(dir.filePath(".vitralog.lock")));
    EXPECT_TRUE(DossierDonnees::verrouiller(dir.path()));
}
