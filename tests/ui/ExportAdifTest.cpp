#include "support/FenetreTest.h"
#include "ui/ExportAdif.h"

// From the menu, the known file of a generated log, written over an older
// export; failures are reported instead of success.
TEST(ExportAdif, TheKnownFileFromTheMenuAndAFailure) {
    TestEnv env;
    env.ctx.station = "F5XYZ";  // no log file: said, and nothing written
    EXPECT_FALSE(ExportAdif::exporter(env.ctx));
    EXPECT_FALSE(QFile::exists(env.ctx.path("F5XYZ_DCF.adi")));
    env.station("F5XYZ");
    env.writeFile("F5XYZ_DCF.adi", "an older export\r\n");
    env.writeFile("F5XYZ_DCF.log", lireFichier(VITRALOG_TEST_DATA "/export/F5XYZ_DCF.log"));
    FenetrePrincipale fenetre(env.ctx);
    fenetre.demarrer();
    // Windows-1252, one byte per letter: "<NAME:4>REN\xC9 ".
    const QByteArray attendu = lireFichier(VITRALOG_TEST_DATA "/export/F5XYZ_DCF.adi");
    ASSERT_TRUE(attendu.contains("<NAME:4>REN\xC9 <SIG:7>DCF-108"));
    dans<QAction>(&fenetre, "actionExporterAdif")->trigger();
    EXPECT_EQ(env.readFile("F5XYZ_DCF.adi"), attendu);

    ASSERT_TRUE(QFile::remove(env.ctx.path("F5XYZ_DCF.adi")) && QDir(env.dir.path()).mkdir("F5XYZ_DCF.adi"));
    EXPECT_FALSE(ExportAdif::exporter(env.ctx));  // a directory cannot be replaced by a file
    EXPECT_EQ(env.dialogs.notices, QStringList({"Impossible de lire le log F5XYZ_DCF.log",
                                                "Le fichier a été enregistré sous le nom : F5XYZ_DCF.adi",
                                                "Impossible d'enregistrer le fichier F5XYZ_DCF.adi"}));
}
