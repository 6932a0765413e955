#include <gtest/gtest.h>

#include "core/Bandes.h"
#include "core/radio/Radio.h"

using Radio::Commande;
using Radio::Statut;

namespace {

QString decrire(const Radio::Reponse& r) {
    switch (r.etat) {
        case Radio::Reponse::Etat::Incomplete: return QStringLiteral("incomplete");
        case Radio::Reponse::Etat::Invalide: return QStringLiteral("invalide");
        case Radio::Reponse::Etat::Refusee: return QStringLiteral("refus %1").arg(r.code);
        case Radio::Reponse::Etat::Faite: break;
    }
    return QStringLiteral("%1 %2 %3").arg(r.hz).arg(r.mode).arg(r.passband);
}

}  // namespace

// Each reply as the lines arrive: complete, still waiting, refused, or out of step.
TEST(Radio, Reponses) {
    const std::tuple<Commande, QByteArrayList, const char*> cas[] = {
        {Commande::Frequence, {"14025000"}, "14025000  0"},
        {Commande::Frequence, {"7012000.000000"}, "7012000  0"},
        {Commande::Frequence, {"0"}, "0  0"},
        {Commande::Frequence, {}, "incomplete"},
        {Commande::Frequence, {"RPRT -11"}, "refus -11"},
        {Commande::Mode, {"CW"}, "incomplete"},
        {Commande::Mode, {"CW", "500"}, "0 CW 500"},
        {Commande::Mode, {"PKTUSB", "-1"}, "0 PKTUSB -1"},
        {Commande::Mode, {"", "0"}, "0  0"},
        {Commande::Mode, {"RPRT -11"}, "refus -11"},
        {Commande::Mode, {"145000000"}, "incomplete"},
        {Commande::Reglage, {"RPRT 0"}, "0  0"},
        {Commande::Reglage, {"RPRT -1"}, "refus -1"},
    };
    for (const auto& [c, lignes, attendu] : cas)
        EXPECT_EQ(decrire(Radio::lire(c, lignes)), attendu) << int(c) << " " << lignes.join('|').toStdString();
    // Out of step or unreadable: the connection is not to be trusted.
    for (const char* l : {"RPRT 0", "-7012000", "1e7", " 7012000", "7012000.", "USB", "9999999999999"})
        EXPECT_EQ(decrire(Radio::lire(Commande::Frequence, {l})), "invalide") << l;
    for (const QByteArrayList& l :
         {QByteArrayList{"145000000", "FM"}, {"usb"}, {"CW", "5OO"}, {QByteArray("\xff\xfe\0x", 4)}})
        EXPECT_EQ(decrire(Radio::lire(Commande::Mode, l)), "invalide") << l.join('|').toStdString();
    for (const char* l : {"RPRT x", "145000000"})
        EXPECT_EQ(decrire(Radio::lire(Commande::Reglage, {l})), "invalide") << l;
}

TEST(Radio, ModeDeSaisie) {
    const std::pair<const char*, const char*> cas[] = {
        {"USB", "SSB"}, {"LSB", "SSB"}, {"CW", "CW"},   {"CWR", "CW"}, {"FM", "FM"}, {"FMN", "FM"},
        {"WFM", "FM"},  {"AM", "AM"},   {"PKTUSB", ""}, {"RTTY", ""},  {"", ""},     {"usb", ""},
    };
    for (const auto& [rig, saisie] : cas) EXPECT_EQ(Radio::modeSaisie(QString::fromLatin1(rig)), saisie) << rig;
}

TEST(Radio, Textes) {
    auto etat = [](Statut s, qint64 hz = 0, const char* mode = "", int attente = 0, const char* reglage = "") {
        return Radio::Etat{s, hz, QString::fromLatin1(mode), attente, QString::fromLatin1(reglage)};
    };
    const std::pair<Radio::Etat, const char*> cas[] = {
        {etat(Statut::Aucune, 14025000, "CW"), ""},
        {etat(Statut::Connexion), "Radio : connexion…"},
        {etat(Statut::Repond, 14025000, "CW"), "Radio : 14025.0 kHz CW"},
        {etat(Statut::Repond, 145000000, "FM"), "Radio : 145000.0 kHz FM"},
        {etat(Statut::Repond, 7012050), "Radio : 7012.1 kHz"},
        {etat(Statut::Repond, 7012049, "LSB"), "Radio : 7012.0 kHz LSB"},
        {etat(Statut::Repond, 5357000, "USB"), "Radio : 5357.0 kHz USB hors bande"},
        {etat(Statut::Muette, 14025000, "CW"), "Radio : pas de réponse"},
        {etat(Statut::Deconnectee, 0, "", 4), "Radio : non connectée, nouvelle tentative dans 4 s"},
        {etat(Statut::Introuvable), "Radio : rigctld est introuvable : installez le paquet libhamlib-utils"},
        {etat(Statut::Invalide, 0, "", 0, "hote:99999"), "Radio : réglage « hote:99999 » invalide"},
    };
    for (const auto& [e, attendu] : cas) EXPECT_EQ(Radio::texte(e), QString::fromUtf8(attendu)) << attendu;
    // The band is the one table's, edges included.
    EXPECT_EQ(QString::fromLatin1(Radio::bande(7000000)->texte), "7.0 Mhz");
    EXPECT_EQ(QString::fromLatin1(Radio::bande(14350000)->texte), "14 Mhz");
    EXPECT_EQ(Radio::bande(14350001), nullptr);
}

TEST(Radio, Attentes) {
    QList<int> suite;
    for (int essai = 0; essai < 8; ++essai) suite << Radio::attente(essai);
    EXPECT_EQ(suite, QList<int>({1, 2, 4, 8, 16, 30, 30, 30}));
}

// The comment first, then the band plan's CW segments, then the voice mode of the frequency.
TEST(Radio, ModeDUnSpot) {
    const std::tuple<double, const char*, const char*> cas[] = {
        {14025.0, "DCF-018", "CW"},      {14025.0, "DCF-018 SSB", "USB"},   {7090.0, "dcf018 ssb", "LSB"},
        {3650.0, "DCF-018 fm cq", "FM"}, {14200.0, "DCF-018 CW 599", "CW"}, {14200.0, "DCF-018 qsb", "USB"},
        {14200.0, "tnx USB/LSB", "USB"}, {14074.0, "FT8", "USB"},
    };
    for (const auto& [khz, commentaire, mode] : cas)
        EXPECT_EQ(Radio::modeSpot(khz, QString::fromLatin1(commentaire)), mode) << khz << " " << commentaire;
    // Without a comment: each kHz with the mode it gets.
    const QString plan =
        "7039.9 CW, 7040 LSB, 1810 CW, 1850 LSB, 3569 CW, 5352 CW, 10120 CW, 10140 USB, 28500 USB, 50050 CW, "
        "50150 USB, 144050 CW, 144300 USB, 145200 USB, 145500 FM, 432050 CW, 432200 , 40000 ";
    QStringList lus;
    for (const QString& c : plan.split(", "))
        lus << c.section(' ', 0, 0) + ' ' + Radio::modeSpot(c.section(' ', 0, 0).toDouble(), {});
    EXPECT_EQ(lus.join(", "), plan);
}

TEST(Radio, Reglages) {
    using T = Radio::Configuration::Type;
    struct Cas {
        QStringList reglages;  // address, model, port, speed, interval
        T type;
        QString detail;  // the address, rigctld's arguments or the text that does not read
        int intervalle;
    };
    const Cas cas[] = {
        {{"", "", "", "", ""}, T::Aucune, "", 500},
        {{"", " ", "/dev/ttyUSB0", "9600", "100"}, T::Aucune, "", 200},
        {{"127.0.0.1:4532", "1", "", "", "9000"}, T::Adresse, "127.0.0.1 4532", 5000},
        {{" shack ", "", "", "", "750"}, T::Adresse, "shack 4532", 750},
        {{"[::1]:4533", "", "", "", "x"}, T::Adresse, "::1 4533", 500},
        {{"hote:99999", "1", "", "", ""}, T::Invalide, "hote:99999", 500},
        {{"", "1", "", "", ""}, T::Demon, "-m 1 -T 127.0.0.1 -t 4600", 500},
        {{"", "3073", "/dev/ttyUSB0", "19200", ""},
         T::Demon,
         "-m 3073 -r /dev/ttyUSB0 -s 19200 -T 127.0.0.1 -t 4600",
         500},
        {{"", "IC-7300", "", "", ""}, T::Invalide, "IC-7300", 500},
        {{"", "3073", "/dev/ttyUSB0", "rapide", ""}, T::Invalide, "rapide", 500},
    };
    for (const Cas& c : cas) {
        const auto r = Radio::configuration(c.reglages[0], c.reglages[1], c.reglages[2], c.reglages[3], c.reglages[4]);
        QString detail = r.type == T::Adresse ? r.adresse.hote + ' ' + QString::number(r.adresse.port)
                         : r.type == T::Demon ? Radio::argumentsDemon(r, 4600).join(' ')
                                              : r.invalide;
        EXPECT_EQ(std::tuple(r.type, detail, r.intervalle), std::tuple(c.type, c.detail, c.intervalle))
            << c.reglages.join('|').toStdString();
    }
}

TEST(Radio, ListeDesModeles) {
    const QByteArray sortie =
        " Rig #  Mfg                    Model                   Version         Status      Macro\n"
        "     1  Hamlib                 Dummy                   20221128.0      Stable      RIG_MODEL_DUMMY\n"
        "     5  TRXManager             TRXManager 5.7.630+     20210613.0      Stable      RIG_MODEL_TRXMANAGER_RIG\n"
        "  3073  Icom                   IC-7300                 20230109.0      Stable      RIG_MODEL_IC7300\r\n"
        " 29001  Some Maker With Blanks A-Model-Filling-Its-Colu1.0             Alpha       RIG_MODEL_X\n"
        "\n"
        "rigctl: not a model line\n";
    QStringList lus;
    for (const Radio::Modele& m : Radio::lireModeles(sortie))
        lus << QStringLiteral("%1|%2|%3").arg(m.numero).arg(m.fabricant, m.nom);
    EXPECT_EQ(lus, QStringList({"1|Hamlib|Dummy", "5|TRXManager|TRXManager 5.7.630+", "3073|Icom|IC-7300",
                                "29001|Some Maker With Blanks|A-Model-Filling-Its-Colu"}));
    EXPECT_TRUE(Radio::lireModeles("garbage\nwithout a header\n").isEmpty());
}
