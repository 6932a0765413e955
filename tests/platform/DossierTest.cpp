#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QDir>
#include <QTemporaryDir>

#include "platform/DossierDonnees.h"
#include "support/Journal.h"

TEST(Dossier, ChosenOnTheCommandLineOrByTheEnvironment) {
    qputenv("VITRALOG_DOSSIER", "/tmp/p3");
    EXPECT_EQ(DossierDonnees::choisir("/tmp/portable/"), "/tmp/portable");
    EXPECT_EQ(DossierDonnees::choisir("relatif"), QDir::current().filePath("relatif"));
    EXPECT_EQ(DossierDonnees::choisir({}), "/tmp/p3");
    qunsetenv("VITRALOG_DOSSIER");
    const QString defaut = DossierDonnees::choisir({});
    EXPECT_TRUE(defaut.endsWith("/Vitralog") && !defaut.endsWith("Vitralog/Vitralog"));
}

TEST(Dossier, OldFilesMoveInAndNothingIsOverwritten) {
    DossierCarnet ancien, nouveau;
    ancien.writeFile("F5XYZ_DCF.log", "ancien log");
    ancien.writeFile("Liste_Prenom.txt", "anciens");
    ancien.writeFile("vitralog", "x");
    nouveau.writeFile("Liste_Prenom.txt", "actuels");
    EXPECT_EQ(DossierDonnees::migrer({ancien.dir.path(), "/nulle/part"}, nouveau.dir.path()),
              QStringList{"F5XYZ_DCF.log"});
    EXPECT_EQ(nouveau.readFile("F5XYZ_DCF.log") + nouveau.readFile("Liste_Prenom.txt") +
                  ancien.readFile("Liste_Prenom.txt") + ancien.readFile("vitralog"),
              "ancien logactuelsanciensx");
}

TEST(Dossier, OneCopyPerFolderAndAKilledCopyDoesNotBlock) {
    QTemporaryDir dir;
    {
        auto premier = DossierDonnees::verrouiller(dir.path());
        ASSERT_TRUE(premier);
        EXPECT_FALSE(DossierDonnees::verrouiller(dir.path()));
    }
    // A copy that dies holding the lock leaves its file behind.
    if (fork() == 0) _exit(DossierDonnees::verrouiller(dir.path()) ? 0 : 1);  // no unlock
    int statut = 0;
    wait(&statut);
    ASSERT_EQ(WEXITSTATUS(statut), 0);
    ASSERT_TRUE(QFile::exists(dir.filePath(".vitralog.lock")));
    EXPECT_TRUE(DossierDonnees::verrouiller(dir.path()));
}
