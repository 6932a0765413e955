#include <gtest/gtest.h>
#include <tuple>

#include "core/cluster/Delai.h"
#include "core/cluster/Spots.h"
#include "support/Journal.h"

using Spots::Marque;

// Expected: spotter, callsign, time, reference, kHz and band index; empty
// when the line is not a spot or its fields do not read.
TEST(Spots, LignesDuNoeud) {
    const std::pair<QByteArray, const char*> cas[] = {
        {"DX de F5XYZ:     14025.0  F6ABC        DCF-018 CW                     1234Z",
         "F5XYZ F6ABC 12:34 DCF-018 14025 4"},
        {"DX de f5xyz-#:    7012.5  f/on4abc/p   cq dbf012b via skimmer  0905Z JN18\r",
         "F5XYZ-# F/ON4ABC/P 09:05 DBF-012B 7012.5 2"},
        {"\a\aDX de K1TTT:  3532.0 F5AAA  (dcf018) tnx 2359z\r\n", "K1TTT F5AAA 23:59 DCF-018 3532 1"},
        {"DX de F5XYZ: 5357.0 F5CCC DCF-002 60m 1200Z", "F5XYZ F5CCC 12:00 DCF-002 5357 -1"},
        {"DX de F5XYZ: 14025.0 F6ABC CQ DCF-1 DBF-012 DCF-018B XDCF001 DCF0011 1234Z", "F5XYZ F6ABC 12:34  14025 4"},
    };
    for (const auto& [ligne, attendu] : cas) {
        const auto s = Spots::lire(ligne);
        EXPECT_EQ(s ? QStringList({s->spotteur, s->indicatif, s->heure, s->reference, QString::number(s->kHz),
                                   QString::number(s->bande)})
                          .join(' ')
                    : QString(),
                  attendu)
            << ligne.left(80).toStdString();
    }
    for (const QByteArray& refusee : std::initializer_list<QByteArray>{
             "WWV de W0MU <18>:   SFI=70, A=5, K=1, No Storms -> No Storms", "DX de F5XYZ 14025.0 F6ABC DCF-018 1234Z",
             "DX de F5XYZ: abc F6ABC DCF-018 1234Z", "DX de F5XYZ: nan F6ABC DCF-018 1234Z",
             "DX de F5XYZ: 14025.0 F6ABC DCF-018 2460Z", "DX de F5XYZ: 14025.0 F6ABC DCF-018 1234Z JN18 de",
             "DX de F5XYZ: 14025.0 F6\351\001BC DCF-018 1234Z", "DX de : 14025.0 F6ABC DCF-018 1234Z"})
        EXPECT_FALSE(Spots::lire(refusee)) << refusee.left(80).toStdString();
}

// The first whole reference in a text (the node's lines above show the others
// refused); in a log field, the whole field or nothing.
TEST(Spots, References) {
    EXPECT_EQ(Spots::referenceDans(u"DCF-018/DBF-001B"), "DCF-018");
    EXPECT_EQ(Spots::referenceDans(u"ÉDCF-018 DCF--018 DCF-18 et DBF-001B."), "DBF-001B");
    EXPECT_EQ(
        QStringList({Spots::normaliser(u" dcf018 "), Spots::normaliser(u"DCF-018 x"), Spots::normaliser(u"DBF-012")}),
        QStringList({"DCF-018", "", ""}));
}

TEST(Spots, MarquesDuCarnet) {
    DossierCarnet env;
    auto l = [](const char* ref, const char* bande, bool qsl = false) {
        return ligne("F5AAA", "18", "JEAN", ref, "01/01/20", "10:00", "CW", bande, "", qsl);
    };
    env.station("F5XYZ", {l("DCF-001", "14 Mhz", true), l("DCF-002", "14 Mhz"), l("DCF-002", "14 Mhz", true),
                          l("DBF-003B", "7.0 Mhz"), l("dcf004", "144 Mhz")});
    Spots::IndexCarnet index;
    index.construire(env.carnet);
    const std::tuple<const char*, int, Marque> cas[] = {
        {"DCF-001", 4, Marque::Confirmee},  {"DCF-001", -1, Marque::NouvelleBande}, {"DCF-002", 4, Marque::Confirmee},
        {"DBF-003B", 2, Marque::Contactee}, {"DCF-004", 10, Marque::Contactee},     {"DCF-999", 4, Marque::Nouvelle},
    };
    for (const auto& [ref, bande, m] : cas) EXPECT_EQ(index.marque(ref, bande), m) << ref << " " << bande;
}

// The list read once into memory answers as the lookup of the entry does.
TEST(Spots, ListeEnMemoire) {
    DossierCarnet env;
    env.writeFile("Liste_DCF.csv",
                  "Rev 004 du 01/02/24;;;;\r\nDCF-001;Bourges;18;Saint-Etienne;\r\n"
                  "DCF-001;Ailleurs;99;Autre;\r\nDBF-007B;Lisieux;14;Sainte-Therese;x;y\r\n"
                  "DCF-003;Bourges;18;Saint-Etienne-Abcd;\r\nDCF-002;Court;12\r\n");
    const QString chemin = env.path("Liste_DCF.csv");
    const auto liste = Spots::chargerListe(chemin);
    EXPECT_EQ(Spots::chercher(liste, "DCF-001").nom, "C. Saint-Etienne à Bourges");
    for (const char* ref : {"DCF-001", "DBF-007B", "DBF-007", "DCF-003", "DCF-002", "DCF-999"}) {
        const auto a = Spots::chercher(liste, ref), b = Cathedrales::chercher(chemin, ref);
        EXPECT_EQ(QStringList({a.trouve ? "oui" : "non", a.nom, a.dpt}),
                  QStringList({b.trouve ? "oui" : "non", b.nom, b.dpt}))
            << ref;
    }
    EXPECT_TRUE(Spots::chargerListe(env.path("absente.csv")).isEmpty());
}

// Each address as host and port, "-" when it does not read.
TEST(Spots, AdresseEtAttentes) {
    QStringList lues;
    for (const char* texte :
         {" dxc.example.org:7300 ", "localhost", "[::1]:7373", "::1", "h:0", "h:70000", "h:abc", ":7300", "[::1"}) {
        const auto a = Spots::lireAdresse(QString::fromLatin1(texte));
        lues << (a ? a->hote + " " + QString::number(a->port) : "-");
    }
    EXPECT_EQ(lues, QStringList({"dxc.example.org 7300", "localhost 23", "::1 7373", "::1 23"}) + QStringList(5, "-"));
    QList<int> attentes;
    for (int n = 0; n < 7; ++n) attentes << Spots::attente(n);
    EXPECT_EQ(attentes, QList<int>({5, 10, 20, 40, 80, 160, 300}));
}

// What leaves for the node: one plain ASCII line, or the refusal of a field;
// the comment offered for a reference.
TEST(Spots, Signalements) {
    const std::pair<Spots::Signalement, const char*> cas[] = {
        {{" 7012,5 ", "f/on4abc/p", "dbf012b", "Sainte-Thérèse\r\nSH/DX  tnx"},
         "DX 7012.5 F/ON4ABC/P Sainte-Therese SH/DX tnx"},
        {{"432100", "F5ABC", "DCF-018", ""}, "DX 432100.0 F5ABC"},
        {{"14025", "F5ABC", "DCF-018", "Notre-Dame de l’Assomption à Clermont"},
         "DX 14025.0 F5ABC Notre-Dame de l'Assomption a C"},
        {{"", "F5ABC", "DCF-018", ""}, "Entrez la fréquence en kHz (par exemple 14025.0)"},
        {{"1e4", "F5ABC", "DCF-018", ""}, "Fréquence invalide : 1e4 (en kHz, par exemple 14025.0)"},
        {{"5357", "F5ABC", "DCF-018", ""}, "La fréquence 5357.0 kHz n'est dans aucune bande"},
        {{"14025", " ", "DCF-018", ""}, "Entrez l'indicatif à signaler"},
        {{"14025", "F5ABCDEFGHIJK", "DCF-018", ""}, "Indicatif invalide : F5ABCDEFGHIJK (lettres, chiffres et /)"},
        {{"14025", "F5ABC", "", ""}, "Entrez la référence à signaler (par exemple DCF-018 ou DBF-012B)"},
        {{"14025", "F5ABC", "DCF-18", ""}, "Référence invalide : DCF-18 (par exemple DCF-018 ou DBF-012B)"},
    };
    for (const auto& [s, attendu] : cas) {
        const Spots::Envoi e = Spots::preparer(s);
        EXPECT_EQ(e.refus.isEmpty() ? QString::fromLatin1(e.ligne) : e.refus, QString::fromUtf8(attendu))
            << s.kHz.toStdString();
    }
    EXPECT_EQ(Spots::preparer({"7012.5", "f/on4abc/p", "dbf012b", ""}).cle, "F/ON4ABC/P sur DBF-012B");
    EXPECT_EQ(Spots::ascii(u"Cœur «sacré» – Æ ß"), "Coeur \"sacre\" - AE ss");
    EXPECT_EQ(Spots::ascii(u"a\u00a0b\tc\x01\177d…"), "a b cd...");
    EXPECT_EQ(Spots::ascii(u"Ελ"), "");
    EXPECT_EQ(
        QStringList({Spots::commentaire("DCF-018", "C. Saint-Pierre à Troyes"), Spots::commentaire("DBF-012B", "")}),
        QStringList({"DCF-018 C. Saint-Pierre a Troy", "DBF-012B"}));
}

// A basilica outside every band, without a name (a cathedral with its name on
// a band: the spots window's alerts).
TEST(Spots, Alertes) {
    const Spots::Alerte a = Spots::alerte({"F5XYZ", 5357, "F6ABC", "", "12:00", "DBF-012B", -1}, "");
    EXPECT_EQ(QStringList({a.titre, a.texte}), QStringList({"Nouvelle basilique", "DBF-012B sur 5357.0 kHz : F6ABC"}));
}

// A key goes again once its delay is over, or when the clock was set back.
TEST(Spots, Delai) {
    const QDateTime t0(QDate(2026, 12, 6), QTime(10, 0), Qt::UTC);
    Delai d(300);
    d.noter("F5ABC sur DCF-018", t0);
    EXPECT_FALSE(d.libre("F5ABC sur DCF-018", t0.addSecs(299)));
    EXPECT_TRUE(d.libre("F5ABC sur DCF-018", t0.addSecs(300)));
    EXPECT_TRUE(d.libre("F5ABC sur DCF-018", t0.addSecs(-60)));
    EXPECT_TRUE(d.libre("F5ABC sur DCF-019", t0.addSecs(1)));
    d.noter("F5ABC sur DCF-019", t0.addSecs(400));  // forgets the first on the way
    EXPECT_TRUE(d.libre("F5ABC sur DCF-018", t0.addSecs(100)));
}
