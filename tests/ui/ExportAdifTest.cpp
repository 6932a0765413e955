#include "support/FenetreTest.h"
#include "ui/ExportAdif.h"

namespace {

QByteArray fixture(const QString& name) {
    QFile f(QStringLiteral(VITRALOG_TEST_DATA "/export/") + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

// From the menu, the known file of a generated log, twice the same bytes; an
// empty log gives the header only; failures are reported instead of success
// and leave no file behind.
TEST(ExportAdif, TheKnownFileFromTheMenuTheHeaderAloneAndTheFailures) {
    TestEnv env;
    env.ctx.station = "F5XYZ";  // no log file
    EXPECT_FALSE(ExportAdif::exporter(env.ctx));
    EXPECT_FALSE(QFile::exists(env.ctx.path("F5XYZ_DCF.adi")));
    env.station("F5XYZ");
    env.writeFile("F5XYZ_DCF.adi", "an older export\r\n");
    EXPECT_TRUE(ExportAdif::exporter(env.ctx));
    EXPECT_EQ(env.readFile("F5XYZ_DCF.adi"),
              "Exportation du log de la station F5XYZ au format ADIF\r\n\r\n"
              "Cr\xE9\xE9 par Vitralog R\xE9vision 1.0.3, carnet de trafic du Dipl\xF4me des Cath\xE9"
              "drales de France\r\n"
              "\r\n\r\n<eoh>\r\n");

    env.writeFile("F5XYZ_DCF.log", fixture("F5XYZ_DCF.log"));
    FenetrePrincipale fenetre(env.ctx);
    fenetre.demarrer();
    QAction* exporter = dans<QAction>(&fenetre, "actionExporterAdif");
    ASSERT_NE(exporter, nullptr);
    // Windows-1252, one byte per letter: "<NAME:4>REN\xC9 ".
    const QByteArray attendu = fixture("F5XYZ_DCF.adi");
    ASSERT_TRUE(attendu.contains("<NAME:4>REN\xC9 <SIG:7>DCF-108"));
    for (int i = 0; i < 2; ++i) {
        exporter->trigger();
        EXPECT_EQ(env.readFile("F5XYZ_DCF.adi"), attendu) << i;
    }

    ASSERT_TRUE(QFile::remove(env.ctx.path("F5XYZ_DCF.adi")) && QDir(env.dir.path()).mkdir("F5XYZ_DCF.adi"));
    EXPECT_FALSE(ExportAdif::exporter(env.ctx));  // a directory cannot be replaced by a file
    EXPECT_EQ(env.dialogs.notices, QStringList({"Impossible de lire le log F5XYZ_DCF.log"}) +
                                       QStringList(3, "Le fichier a été enregistré sous le nom : F5XYZ_DCF.adi") +
                                       QStringList({"Impossible d'enregistrer le fichier F5XYZ_DCF.adi"}));
    EXPECT_FALSE(QFile::exists(env.ctx.path("Temporaire.txt")));
}
