#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "core/journal/Carnet.h"

#include "core/saisie/Controles.h"
#include "core/saisie/Prenoms.h"
#include "core/saisie/Recherches.h"
#include "core/journal/TextFile.h"
#include "support/Doubles.h"

namespace {

void ecrire(const QString& p, const QByteArray& b) {
    QFile f(p);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(b);
}

QByteArray lire(const QString& p) {
    QFile f(p);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

}  // namespace

TEST(Controles, DatesThatExistAndTimes) {
    for (const char* ok : {"29/02/24", "29/02/00", "01/01/99", "31/12/49", "31/01/15"})
        EXPECT_EQ(Controles::Controle_Date(ok), 0) << ok;
    for (const char* bad : {"00/00/15", "00/01/15", "01/00/15", "31/02/15", "29/02/23", "29/02/99",
                            "31/04/15", "32/01/15", "01/13/15", "1/1/2015", "01-01-15", "0a/01/15",
                            "01/01/1x"})
        EXPECT_EQ(Controles::Controle_Date(bad), 1) << bad;
    for (const char* ok : {"00:00", "23:59", "08:45"}) EXPECT_EQ(Controles::Controle_Heure(ok), 0) << ok;
    for (const char* bad : {"24:00", "12:60", "12h30", "1:300"})
        EXPECT_EQ(Controles::Controle_Heure(bad), 1) << bad;

    EXPECT_EQ(Controles::date(""), "Entrez une date");
    EXPECT_EQ(Controles::date("1/1/15"), "8 caracteres pour la date ex: 01/02/08");
    EXPECT_EQ(Controles::date("01-01-15"), "Le format de la date doit etre JJ/MM/AA");
    EXPECT_EQ(Controles::heure(""), "Entrez une Heure");
    EXPECT_EQ(Controles::heure("8:45"), "5 caracteres pour l'heure ex: 08:45");
    EXPECT_EQ(Controles::heure("12h30"), "Le format de l'heure doit etre HH:MM");
}

TEST(Controles, LengthLimitsOfTheFields) {
    EXPECT_EQ(Controles::indicatif(""), "Entrez un indicatif");
    EXPECT_EQ(Controles::indicatif("F5XYZABCDEFG"), "");
    EXPECT_EQ(Controles::indicatif("F5XYZABCDEFGH"), "12 caracteres maxi pour l'indicatif");
    EXPECT_EQ(Controles::prenom(""), "");
    EXPECT_EQ(Controles::prenom(QString(15, 'A')), "");
    EXPECT_EQ(Controles::prenom(QString(16, 'A')), "15 caracteres maxi pour le Prenom");
    EXPECT_EQ(Controles::reference(""), "Entrez une reférence");
    EXPECT_EQ(Controles::reference("DCF-001"), "");
    EXPECT_EQ(Controles::reference("DBF-001B"), "");
    for (const char* bad : {"DCF-01", "DBF-0001BB"})
        EXPECT_EQ(Controles::reference(bad), "7 ou 8 caracteres pour la reference ex: DCF-001 ou DBF-001B");
    EXPECT_EQ(Controles::departement("2a"), "");
    EXPECT_EQ(Controles::departement(""), "");
    EXPECT_EQ(Controles::departement("123"), "2 caracteres maxi pour le Departement");
    EXPECT_EQ(Controles::mode("CW"), "");
    EXPECT_EQ(Controles::mode("RTTY"), "3 caracteres maxi pour le Mode");
    EXPECT_EQ(Controles::mode(""), "Entrez un Mode");
    EXPECT_EQ(Controles::bande("144 Mhz"), "");
    EXPECT_EQ(Controles::bande("1296 Mhz"), "7 caracteres maxi pour la QRG");
    EXPECT_EQ(Controles::bande(""), "Entrez une QRG");
    EXPECT_EQ(Controles::nom(QString(30, 'X')), "");
    EXPECT_EQ(Controles::nom(QString(31, 'X')), "30 caracteres maxi pour le nom de la Cathédrale");
}

TEST(Controles, ReportsByTheirFirstCharacter) {
    for (const char* ok : {"599", "59", "5", "4x", "0"}) EXPECT_EQ(Controles::report(ok), "") << ok;
    const QString r = "R (de RST)doit etre compris entre 0 et 5";
    EXPECT_EQ(Controles::report("699"), r);
    EXPECT_EQ(Controles::report("9"), r);
    EXPECT_EQ(Controles::report("x59"), r);
    EXPECT_EQ(Controles::report(" 59"), r);
    EXPECT_EQ(Controles::report("5999"), "3 caracteres maxi pour le Report");
    EXPECT_EQ(Controles::report(""), "Entrez un Report");
    EXPECT_EQ(Controles::majuscule('a'), 'A');
    EXPECT_EQ(Controles::majuscule('z'), 'Z');
    EXPECT_EQ(Controles::majuscule(0xE9), 0xE9);  // é stays as typed
    EXPECT_EQ(Controles::majuscule('-'), '-');
}

class ListeDcf : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString csv = dir.filePath("Liste_DCF.csv");
    void liste(const QStringList& lignes) { ecrire(csv, TextFile::joinLines(lignes)); }
};

TEST_F(ListeDcf, NamesByReferenceKey) {
    liste({"Rev 003 du 10/09/15;;;;", "DCF-001;Bourges;18;Saint-Etienne;", "DCF-007;Bayeux;14;Notre-Dame;x;y",
           "DBF-007B;Lisieux;14;Sainte-Therese;", "DCF-099;Nulle part", "DCF-001;Autre;99;Doublon;"});
    Recherches::Cathedrale c = Recherches::Cherche_Ref_Liste(csv, "DCF-001");
    EXPECT_TRUE(c.trouve);
    EXPECT_EQ(c.nom, "C. Saint-Etienne à Bourges");
    EXPECT_EQ(c.dpt, "18");
    EXPECT_EQ(Recherches::Cherche_Ref_Liste(csv, "XYZ-001").nom, "C. Saint-Etienne à Bourges");
    EXPECT_EQ(Recherches::Cherche_Ref_Liste(csv, "DBF-007B").nom, "B. Sainte-Therese à Lisieux");
    EXPECT_EQ(Recherches::Cherche_Ref_Liste(csv, "DBF-007").nom, "C. Notre-Dame à Bayeux");
    EXPECT_FALSE(Recherches::Cherche_Ref_Liste(csv, "DCF-099").trouve);  // fewer than four ";"
    EXPECT_FALSE(Recherches::Cherche_Ref_Liste(csv, "DCF-500").trouve);
    EXPECT_FALSE(Recherches::Cherche_Ref_Liste(dir.filePath("absent.csv"), "DCF-001").trouve);
}

TEST_F(ListeDcf, LongNamesSwitchToTheShortFormPastThirty) {
    // "C. " + 17 + " à " + 7 = 30 characters: kept; one more: short form.
    EXPECT_EQ(Recherches::nomCourt("001", "Bourges", "Saint-Etienne-Abc").size(), 30);
    EXPECT_EQ(Recherches::nomCourt("001", "Bourges", "Saint-Etienne-Abcd"), "C. de Bourges");
    EXPECT_EQ(Recherches::nomCourt("001B", "Bourges", "Saint-Etienne-Abcd"), "B. de Bourges");
    EXPECT_EQ(Recherches::cle("DBF-001B"), "001B");
    EXPECT_EQ(Recherches::cle("001"), "001");
    // The file is Windows-1252: "é" is one byte and decodes back.
    ecrire(csv, "Rev 1;;;;\r\nDCF-040;Ajaccio;2a;Notre-Dame-de-l'Assomption-\xE9;\r\n");
    const Recherches::Cathedrale c = Recherches::Cherche_Ref_Liste(csv, "DCF-040");
    EXPECT_EQ(c.nom, "C. de Ajaccio");
    EXPECT_EQ(c.dpt, "2a");
}

TEST(DejaContacte, SameReferenceOnTheSameBandOnly) {
    TestEnv env;
    env.station("F5XYZ", {ligne("F6AAA", "75", "", "DCF-001", "01/02/15", "10:00"),
                          ligne("F6BBB", "31", "", "DBF-012B", "14/05/15", "11:00", "SSB", "14 Mhz"),
                          ligne("F6CCC", "31", "", "DBF-012B", "15/05/15", "11:00", "SSB", "14 Mhz"),
                          "F6DDD        12 COURT"});
    const Carnet& log = env.carnet;
    EXPECT_EQ(log.dejaContacte("DBF-012B", "14 Mhz"), QString("14/05/15"));  // the first one
    EXPECT_FALSE(log.dejaContacte("DBF-012B", "7.0 Mhz"));
    EXPECT_FALSE(log.dejaContacte("DCF-012", "14 Mhz"));
    EXPECT_FALSE(log.dejaContacte("DBF-012B", "14 Mhz "));
    EXPECT_TRUE(log.dejaContacte(" DCF-001 ", "14 Mhz"));
    EXPECT_FALSE(log.dejaContacte("dcf-001", "14 Mhz"));
}

TEST(Prenoms, LookupTakesTheLastMatchAndComparesExactly) {
    QTemporaryDir d;
    const QString f = d.filePath("Liste_Prenom.txt");
    ecrire(f, "F5XY         75 PAUL\r\nF5XYZ        13 JEAN\r\nF5XYZ        13 JACQUES\r\nF6ABC           \r\n");
    auto t = Prenoms::chercher(f, "F5XYZ");
    EXPECT_TRUE(t.trouve);
    EXPECT_EQ(t.prenom, "JACQUES");
    EXPECT_FALSE(t.dptVide);
    EXPECT_EQ(Prenoms::chercher(f, "F5XY").prenom, "PAUL");
    EXPECT_FALSE(Prenoms::chercher(f, "f5xyz").trouve);
    t = Prenoms::chercher(f, "F6ABC");
    EXPECT_TRUE(t.trouve);
    EXPECT_EQ(t.prenom, "");
    EXPECT_TRUE(t.dptVide);
    EXPECT_FALSE(Prenoms::chercher(d.filePath("absent.txt"), "F5XYZ").trouve);
}

TEST(Prenoms, UpdateReplacesEveryLineOfTheCallsignOrAppends) {
    QTemporaryDir d;
    const QString f = d.filePath("Liste_Prenom.txt");
    const QString tmp = d.filePath("Temporaire.txt");
    // Missing file: the first save creates it.
    ASSERT_TRUE(Prenoms::Maj_Prenom(f, tmp, Prenoms::enregistrement("F5XYZ", "75", "JEAN")));
    EXPECT_EQ(lire(f), QByteArray("F5XYZ        75 JEAN\r\n"));
    ASSERT_TRUE(Prenoms::Maj_Prenom(f, tmp, Prenoms::enregistrement("F5XY", "", "RENÉ")));
    ASSERT_TRUE(Prenoms::Maj_Prenom(f, tmp, Prenoms::enregistrement("F5XYZ", "13", "PAUL")));
    EXPECT_EQ(lire(f), QByteArray("F5XYZ        13 PAUL\r\nF5XY            REN\xC9\r\n"));
    ASSERT_TRUE(Prenoms::Maj_Prenom(f, tmp, Prenoms::enregistrement("F5XYZ", "", "")));
    EXPECT_EQ(lire(f).left(18), QByteArray("F5XYZ           \r\n"));
    EXPECT_FALSE(QFile::exists(tmp));

    // Duplicates collapse into copies of the new line.
    ecrire(f, "F6ABC        01 A\r\nF1AAA        02 B\r\nF6ABC        03 C\r\n");
    ASSERT_TRUE(Prenoms::Maj_Prenom(f, tmp, Prenoms::enregistrement("F6ABC", "04", "D")));
    EXPECT_EQ(lire(f), QByteArray("F6ABC        04 D\r\nF1AAA        02 B\r\nF6ABC        04 D\r\n"));
}

TEST(Prenoms, AFileThatCannotBeReadIsNeverOverwritten) {
    // A directory stands where the file is: it exists but cannot be read.
    QTemporaryDir d;
    const QString f = d.filePath("Liste_Prenom.txt");
    QDir(d.path()).mkpath("Liste_Prenom.txt/garde");
    QString err;
    EXPECT_FALSE(Prenoms::Maj_Prenom(f, d.filePath("Temporaire.txt"), "F6ABC        01 X", &err));
    EXPECT_TRUE(QFileInfo(d.filePath("Liste_Prenom.txt/garde")).isDir());
    EXPECT_FALSE(QFile::exists(d.filePath("Temporaire.txt")));
}
