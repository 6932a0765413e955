#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <tuple>

#include "core/saisie/Cathedrales.h"
#include "core/saisie/Controles.h"
#include "core/saisie/Prenoms.h"
#include "support/Journal.h"

TEST(Controles, EachFieldsRefusalMessage) {
    // 0 for a valid date or time, 1 for any other text.
    // The century as the log reads it: 00 is 2000, a leap year; 99 is 1999.
    for (const char* ok : {"29/02/00", "31/12/49"}) EXPECT_TRUE(Controles::dateValide(ok)) << ok;
    for (const char* bad : {"29/02/99", "0a/01/15"}) EXPECT_FALSE(Controles::dateValide(bad)) << bad;
    for (const char* ok : {"00:00", "23:59"}) EXPECT_TRUE(Controles::heureValide(ok)) << ok;
    for (const char* bad : {"24:00", "12:60"}) EXPECT_FALSE(Controles::heureValide(bad)) << bad;

    using namespace Controles;
    const std::tuple<QString (*)(const QString&), QString, QString> cas[] = {
        {date, "", "Entrez une date"},
        {date, "1/1/15", "8 caracteres pour la date ex: 01/02/08"},
        {date, "01-01-15", "Le format de la date doit etre JJ/MM/AA"},
        {heure, "", "Entrez une Heure"},
        {heure, "8:45", "5 caracteres pour l'heure ex: 08:45"},
        {heure, "12h30", "Le format de l'heure doit etre HH:MM"},
        {indicatif, "", "Entrez un indicatif"},
        {indicatif, "F5XYZABCDEFGH", "12 caracteres maxi pour l'indicatif"},
        {prenom, QString(16, 'A'), "15 caracteres maxi pour le Prenom"},
        {reference, "", "Entrez une reférence"},
        {reference, "DCF-01", "7 ou 8 caracteres pour la reference ex: DCF-001 ou DBF-001B"},
        {departement, "123", "2 caracteres maxi pour le Departement"},
        {mode, "", "Entrez un Mode"},
        {mode, "RTTY", "3 caracteres maxi pour le Mode"},
        {bande, "", "Entrez une QRG"},
        {bande, "1296 Mhz", "7 caracteres maxi pour la QRG"},
        {nom, QString(31, 'X'), "30 caracteres maxi pour le nom de la Cathédrale"},
        {report, "", "Entrez un Report"},
        {report, "5999", "3 caracteres maxi pour le Report"},
        {report, "699", "R (de RST)doit etre compris entre 0 et 5"},  // judged by its first character
    };
    for (const auto& [f, texte, message] : cas) EXPECT_EQ(f(texte), message) << texte.toStdString();
    EXPECT_EQ(indicatif("F5XYZABCDEFG") + prenom("") + prenom(QString(15, 'A')) + reference("DBF-001B") +
                  departement("") + bande("144 Mhz") + nom(QString(30, 'X')) + report("599") + report("0"),
              "");  // each accepted
    EXPECT_EQ(majuscule('a'), 'A');
    EXPECT_EQ(majuscule(0xE9), 0xE9);  // é stays as typed
}

// The first row by reference key; rows with fewer than four ";" passed over;
// the short form past thirty characters; a damaged file gives values without
// control characters, cut to their field's width.
TEST(Fichiers, ReferenceListAndFirstNames) {
    DossierCarnet env;
    const QString csv = env.path("Liste_DCF.csv"), prenoms = env.path("Liste_Prenom.txt");
    env.writeFile("Liste_DCF.csv",
                  "Rev 003 du 10/09/15;;;;\r\nDCF-001;Bour\x81ges;18;Saint-Etienne;\r\n"
                  "DCF-007;Bayeux;140;Notre-Dame;x;y\r\nDBF-007B;Lisieux;14;Sainte-Therese;\r\nDCF-099;Nulle part\r\n"
                  "DCF-001;Autre;99;Doublon;\r\nDCF-040;Ajaccio;2a;Notre-Dame-de-l'Assomption-\xE9;\r\n"
                  "DCF-041;Bourges;18;Saint-Etienne-Abc;\r\nDCF-002;" +
                      QByteArray(200000, 'x') + ";18\x9D;Notre-Dame;\r\n");
    // Each reference's name and département; "-" when not found.
    QStringList vues;
    for (const char* ref : {"DCF-001", "XYZ-001", "DBF-007B", "DBF-007", "DCF-040", "DCF-041", "DCF-002", "DCF-099"}) {
        const Cathedrales::Cathedrale t = Cathedrales::chercher(csv, ref);
        vues << (t.trouve ? t.nom.left(30) + " " + t.dpt : "-");
    }
    EXPECT_EQ(vues, QStringList({"C. Saint-Etienne à Bourges 18", "C. Saint-Etienne à Bourges 18",
                                 "B. Sainte-Therese à Lisieux 14", "C. Notre-Dame à Bayeux 14", "C. de Ajaccio 2a",
                                 "C. Saint-Etienne-Abc à Bourges 18", "C. de " + QString(24, 'x') + " 18", "-"}));
    EXPECT_EQ(Cathedrales::nomCourt("001B", "Bourges", "Saint-Etienne-Abcd"), "B. de Bourges");
    EXPECT_FALSE(Cathedrales::chercher(env.path("absent.csv"), "DCF-001").trouve);

    // The first-name memory: looked up, then updated.
    env.writeFile("Liste_Prenom.txt",
                  "F5XY         75 PAUL\r\nF5XYZ        13 JEAN\r\nF5XYZ        13 JACQUES\r\nF6ABC           \r\n"
                  "F6DEF        75 je\201an\x8D\x09\r\nF6GHI        75 " +
                      QByteArray(15, '\xDF') + "\r\nF6JKL        75 " + QByteArray(200000, 'a') + "\r\n");
    // The first name found, "sans dpt" for an empty département, "-" when not found.
    vues.clear();
    for (const char* indicatif : {"F5XYZ", "F5XY", "f5xyz", "F6ABC", "F6DEF", "F6JKL", "F6GHI"}) {
        const Prenoms::Trouve t = Prenoms::chercher(prenoms, indicatif);
        vues << (t.trouve ? t.prenom + (t.dptVide ? "sans dpt" : "") : "-");
    }
    // F6GHI's was found by fuzzing: cut after the capitals.
    EXPECT_EQ(vues, QStringList({"JACQUES", "PAUL", "-", "sans dpt", "JEAN", QString(15, 'A'), QString(15, 'S')}));

    // Every line of the callsign is replaced, else the record is appended; a
    // missing file is created.
    env.writeFile("Liste_Prenom.txt", "F6ABC        01 A\r\nF1AAA        02 B\r\nF6ABC        03 C\r\n");
    ASSERT_TRUE(Prenoms::memoriser(prenoms, Prenoms::enregistrement("F6ABC", "04", "D")));
    ASSERT_TRUE(Prenoms::memoriser(prenoms, Prenoms::enregistrement("F5XY", "", "RENÉ")));
    EXPECT_EQ(env.readFile("Liste_Prenom.txt"),
              "F6ABC        04 D\r\nF1AAA        02 B\r\nF6ABC        04 D\r\nF5XY            REN\xC9\r\n");
    ASSERT_TRUE(QFile::remove(prenoms) && Prenoms::memoriser(prenoms, Prenoms::enregistrement("F5XYZ", "75", "JEAN")));
    EXPECT_EQ(env.readFile("Liste_Prenom.txt"), "F5XYZ        75 JEAN\r\n");

    // A file that exists but cannot be read (a directory) is never overwritten.
    ASSERT_TRUE(QFile::remove(prenoms) && QDir(env.dir.path()).mkpath("Liste_Prenom.txt/garde"));
    EXPECT_FALSE(Prenoms::memoriser(prenoms, "F6ABC        01 X"));
    EXPECT_TRUE(QFileInfo(env.path("Liste_Prenom.txt/garde")).isDir() && !QFile::exists(env.path("Temporaire.txt")));
}
