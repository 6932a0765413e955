#include <gtest/gtest.h>

#include "core/Bandes.h"
#include "core/cluster/Spots.h"
#include "core/journal/Carnet.h"
#include "core/journal/LigneQso.h"
#include "support/Doubles.h"

using Spots::Marque;

TEST(Spots, LignesDuNoeud) {
    struct Cas {
        QByteArray ligne;
        const char *spotteur, *indicatif, *heure, *ref;
        double kHz;
        int bande;
    };
    const std::string longue = "DX de F5: 14025 F6ABC DCF-018 " + std::string(5000, 'x') + " 1234Z";
    const Cas cas[] = {
        {"DX de F5XYZ:     14025.0  F6ABC        DCF-018 CW                     1234Z", "F5XYZ",
         "F6ABC", "12:34", "DCF-018", 14025.0, 4},
        {"DX de f5xyz-#:    7012.5  f/on4abc/p   cq dbf012b via skimmer  0905Z JN18\r", "F5XYZ-#",
         "F/ON4ABC/P", "09:05", "DBF-012B", 7012.5, 2},
        {"\a\aDX de K1TTT:  3532.0 F5AAA  (dcf018) tnx 2359z\r\n", "K1TTT", "F5AAA", "23:59",
         "DCF-018", 3532.0, 1},
        {"dx de F5XYZ: 144300 F5BBB DCF-001 0000Z", "F5XYZ", "F5BBB", "00:00", "DCF-001", 144300, 10},
        {"DX de F5XYZ: 5357.0 F5CCC DCF-002 60m 1200Z", "F5XYZ", "F5CCC", "12:00", "DCF-002", 5357, -1},
        {"DX de F5XYZ: 14025.0 F6ABC CQ DCF-1 DBF-012 DCF-018B XDCF001 DCF0011 1234Z", "F5XYZ", "F6ABC",
         "12:34", "", 14025, 4},
        {"DX de F5XYZ: 14025.0 F6ABC 1234Z", "F5XYZ", "F6ABC", "12:34", "", 14025, 4},
        {QByteArray::fromStdString(longue), "F5", "F6ABC", "12:34", "DCF-018", 14025, 4},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.ligne.left(80).toStdString());
        const auto s = Spots::lire(c.ligne);
        ASSERT_TRUE(s.has_value());
        EXPECT_EQ(s->spotteur, c.spotteur);
        EXPECT_EQ(s->indicatif, c.indicatif);
        EXPECT_EQ(s->heure, c.heure);
        EXPECT_EQ(s->reference, c.ref);
        EXPECT_DOUBLE_EQ(s->kHz, c.kHz);
        EXPECT_EQ(s->bande, c.bande);
    }
    // Not spots, or spots whose fields do not read.
    const QByteArray refus[] = {
        "WWV de W0MU <18>:   SFI=70, A=5, K=1, No Storms -> No Storms",
        "DX de F5XYZ 14025.0 F6ABC DCF-018 1234Z",
        "DX de F5XYZ: abc F6ABC DCF-018 1234Z",
        "DX de F5XYZ: nan F6ABC DCF-018 1234Z",
        "DX de F5XYZ: -7012 F6ABC DCF-018 1234Z",
        "DX de F5XYZ: 14025.0 F6ABC DCF-018 2460Z",
        "DX de F5XYZ: 14025.0 F6ABC DCF-018",
        "DX de F5XYZ: 14025.0 F6ABC DCF-018 1234Z JN18 de",
        "DX de F5XYZ: 14025.0",
        "DX de F5XYZ: 14025.0 F6\xe9" "\x01" "BC DCF-018 1234Z",
        "DX de : 14025.0 F6ABC DCF-018 1234Z",
        "\xff\xfe\x00garbage",
        "",
    };
    for (const QByteArray& l : refus) EXPECT_FALSE(Spots::lire(l).has_value()) << l.toStdString();
}

TEST(Spots, References) {
    const std::pair<const char*, const char*> dans[] = {
        {"DCF-018", "DCF-018"},      {"qrv dcf018 cw", "DCF-018"}, {"DBF-012B", "DBF-012B"},
        {"dbf012b", "DBF-012B"},     {"DBF-012", ""},              {"DCF--018", ""},
        {"DCF-018/DBF-001B", "DCF-018"}, {"DCF-18 et DBF-001B.", "DBF-001B"}, {"ÉDCF-018", ""},
    };
    for (const auto& [texte, ref] : dans) EXPECT_EQ(Spots::referenceDans(QString::fromUtf8(texte)), ref) << texte;
    // As a whole only: the form a log field is compared in.
    EXPECT_EQ(Spots::normaliser(u" dcf018 "), "DCF-018");
    EXPECT_EQ(Spots::normaliser(u"Dbf-001b"), "DBF-001B");
    EXPECT_EQ(Spots::normaliser(u"DCF-018 x"), "");
    EXPECT_EQ(Spots::normaliser(u""), "");
}

TEST(Spots, MarquesDuCarnet) {
    TestEnv env;
    QStringList lignes = {
        ligne("F5AAA", "18", "JEAN", "DCF-001", "01/01/20", "10:00", "CW", "14 Mhz", "", true),
        ligne("F5AAA", "18", "JEAN", "DCF-002", "01/01/20", "10:01", "CW", "14 Mhz", "", false),
        ligne("F5AAA", "18", "JEAN", "DCF-002", "01/01/20", "10:02", "CW", "14 Mhz", "", true),
        ligne("F5AAA", "14", "JEAN", "DBF-003B", "01/01/20", "10:03", "SSB", "7.0 Mhz", "", false),
        ligne("F5AAA", "14", "JEAN", "dcf004", "01/01/20", "10:04", "SSB", "144 Mhz", "", false),
        ligne("F5AAA", "14", "JEAN", "DCF-005", "01/01/20", "10:05", "SSB", "14 Mhz", "").left(70),
    };
    env.station("F5XYZ", lignes);
    Spots::IndexCarnet index;
    index.construire(env.carnet);
    const struct {
        const char* ref;
        int bande;
        Marque m;
    } cas[] = {
        {"DCF-001", 4, Marque::Confirmee},  {"DCF-001", 2, Marque::NouvelleBande},
        {"DCF-001", -1, Marque::NouvelleBande},
        {"DCF-002", 4, Marque::Confirmee},  {"DBF-003B", 2, Marque::Contactee},
        {"DCF-003", 2, Marque::Nouvelle},   {"DCF-004", 10, Marque::Contactee},
        {"DCF-005", 4, Marque::Contactee},  {"DCF-999", 4, Marque::Nouvelle},
    };
    for (const auto& c : cas) EXPECT_EQ(index.marque(c.ref, c.bande), c.m) << c.ref << " " << c.bande;

    // A generated log: the index agrees with the fields read line by line.
    QStringList gros;
    const QStringList bandes = Bandes::textesListe();
    for (int i = 0; i < 3000; ++i) {
        const QString ref = i % 7 ? QStringLiteral("DCF-%1").arg(i % 97, 3, 10, QLatin1Char('0'))
                                  : QStringLiteral("DBF-%1B").arg(i % 13, 3, 10, QLatin1Char('0'));
        gros << ligne("F5AAA", "18", "", ref, "01/01/20", "10:00", "CW", bandes[(i * 5) % bandes.size()], "",
                      i % 3 == 0);
    }
    env.station("F5XYZ", gros);
    index.construire(env.carnet);
    QList<Qso> champs;
    for (const QString& l : gros) champs << LigneQso::parse(l);
    for (int n = 0; n < 100; ++n)
        for (const QString& ref : {QStringLiteral("DCF-%1").arg(n, 3, 10, QLatin1Char('0')),
                                   QStringLiteral("DBF-%1B").arg(n, 3, 10, QLatin1Char('0'))})
            for (int b = 0; b < bandes.size(); ++b) {
                Marque attendu = Marque::Nouvelle;
                for (const Qso& q : champs) {
                    if (q.ref.trimmed() != ref) continue;
                    if (attendu == Marque::Nouvelle) attendu = Marque::NouvelleBande;
                    if (q.bande.trimmed() != bandes[b]) continue;
                    if (q.qsl == "*") attendu = Marque::Confirmee;
                    else if (attendu != Marque::Confirmee) attendu = Marque::Contactee;
                }
                ASSERT_EQ(index.marque(ref, b), attendu) << ref.toStdString() << " " << b;
            }
}

TEST(Spots, ListeEnMemoire) {
    TestEnv env;
    env.writeFile("Liste_DCF.csv", "Rev 004 du 01/02/24;;;;\r\n"
                                   "DCF-001;Bourges;18;Saint-Etienne;\r\n"
                                   "DCF-001;Ailleurs;99;Autre;\r\n"
                                   "DBF-007B;Lisieux;14;Sainte-Therese;x;y\r\n"
                                   "DCF-002;Court;12\r\n");
    const auto liste = Spots::chargerListe(env.ctx.path("Liste_DCF.csv"));
    const auto c = Spots::chercher(liste, "DCF-001");
    EXPECT_TRUE(c.trouve);
    EXPECT_EQ(c.nom, "C. Saint-Etienne à Bourges");
    EXPECT_EQ(c.dpt, "18");
    EXPECT_EQ(Spots::chercher(liste, "DBF-007B").nom, "B. Sainte-Therese à Lisieux");
    EXPECT_FALSE(Spots::chercher(liste, "DCF-002").trouve);
    EXPECT_FALSE(Spots::chercher(Spots::chargerListe(env.ctx.path("absente.csv")), "DCF-001").trouve);
}

TEST(Spots, AdresseEtAttentes) {
    const struct {
        const char* texte;
        const char* hote;  // nullptr: refused
        int port;
    } cas[] = {
        {" dxc.example.org:7300 ", "dxc.example.org", 7300}, {"localhost", "localhost", 23},
        {"[::1]:7373", "::1", 7373}, {"::1", "::1", 23}, {"h:0", nullptr, 0}, {"h:70000", nullptr, 0},
        {"h:abc", nullptr, 0}, {"h:", nullptr, 0}, {":7300", nullptr, 0}, {"", nullptr, 0},
        {"[::1", nullptr, 0}, {"a b:7300", nullptr, 0},
    };
    for (const auto& c : cas) {
        const auto a = Spots::lireAdresse(QString::fromLatin1(c.texte));
        ASSERT_EQ(a.has_value(), c.hote != nullptr) << c.texte;
        if (!a) continue;
        EXPECT_EQ(a->hote, c.hote);
        EXPECT_EQ(a->port, c.port);
    }
    std::vector<int> attentes;
    for (int n = 0; n < 9; ++n) attentes.push_back(Spots::attente(n));
    EXPECT_EQ(attentes, (std::vector<int>{5, 10, 20, 40, 80, 160, 300, 300, 300}));
}
