#include <gtest/gtest.h>

#include "core/Bandes.h"
#include "core/radio/Radio.h"

using Radio::Commande;
using Radio::Statut;

namespace {

QString decrire(const Radio::Reponse& r) {
    using E = Radio::Reponse::Etat;
    return r.etat == E::Faite      ? QStringLiteral("%1 %2 %3").arg(r.hz).arg(r.mode).arg(r.passband)
           : r.etat == E::Refusee  ? QStringLiteral("refus %1").arg(r.code)
           : r.etat == E::Invalide ? QStringLiteral("invalide")
                                   : QStringLiteral("incomplete");
}

}  // namespace

// Each reply as the lines arrive: complete, still waiting, refused, or out of step.
TEST(Radio, Reponses) {
    EXPECT_EQ(decrire(Radio::lire(Commande::Frequence, {"14025000"})), "14025000  0");
    EXPECT_EQ(decrire(Radio::lire(Commande::Frequence, {"7012000.000000"})), "7012000  0");
    EXPECT_EQ(decrire(Radio::lire(Commande::Frequence, {})), "incomplete");
    EXPECT_EQ(decrire(Radio::lire(Commande::Frequence, {"RPRT -11"})), "refus -11");
    EXPECT_EQ(decrire(Radio::lire(Commande::Mode, {"CW"})), "incomplete");
    EXPECT_EQ(decrire(Radio::lire(Commande::Mode, {"CW", "500"})), "0 CW 500");
    EXPECT_EQ(decrire(Radio::lire(Commande::Mode, {"PKTUSB", "-1"})), "0 PKTUSB -1");
    EXPECT_EQ(decrire(Radio::lire(Commande::Reglage, {"RPRT 0"})), "0  0");
    // Out of step or unreadable: the connection is not to be trusted.
    for (const char* l : {"RPRT 0", "1e7", "7012000.", "9999999999999"})
        EXPECT_EQ(decrire(Radio::lire(Commande::Frequence, {l})), "invalide") << l;
    for (const QByteArrayList& l : {QByteArrayList{"145000000", "FM"}, {"usb"}})
        EXPECT_EQ(decrire(Radio::lire(Commande::Mode, l)), "invalide") << l.join('|').toStdString();
    EXPECT_EQ(decrire(Radio::lire(Commande::Reglage, {"RPRT x"})), "invalide");
}

TEST(Radio, Textes) {
    auto etat = [](Statut s, qint64 hz = 0, const char* mode = "", int attente = 0, const char* reglage = "") {
        return Radio::Etat{s, hz, QString::fromLatin1(mode), attente, QString::fromLatin1(reglage)};
    };
    EXPECT_EQ(Radio::texte(etat(Statut::Aucune, 14025000, "CW")), "");
    EXPECT_EQ(Radio::texte(etat(Statut::Connexion)), "Radio : connexion…");
    EXPECT_EQ(Radio::texte(etat(Statut::Repond, 14025000, "CW")), "Radio : 14025.0 kHz CW");
    EXPECT_EQ(Radio::texte(etat(Statut::Repond, 7012050)), "Radio : 7012.1 kHz");
    EXPECT_EQ(Radio::texte(etat(Statut::Repond, 5357000, "USB")), "Radio : 5357.0 kHz USB hors bande");
    EXPECT_EQ(Radio::texte(etat(Statut::Muette, 14025000, "CW")), "Radio : pas de réponse");
    EXPECT_EQ(Radio::texte(etat(Statut::Deconnectee, 0, "", 4)), "Radio : non connectée, nouvelle tentative dans 4 s");
    EXPECT_EQ(Radio::texte(etat(Statut::Introuvable)),
              "Radio : rigctld est introuvable : installez le paquet libhamlib-utils");
    EXPECT_EQ(Radio::texte(etat(Statut::Invalide, 0, "", 0, "hote:99999")), "Radio : réglage « hote:99999 » invalide");
    // The band is the one table's, edges included.
    EXPECT_EQ(QString::fromLatin1(Radio::bande(14350000)->texte), "14 Mhz");
    EXPECT_EQ(Radio::bande(14350001), nullptr);
    // The waits between two attempts.
    QList<int> suite;
    for (int essai = 0; essai < 6; ++essai) suite << Radio::attente(essai);
    EXPECT_EQ(suite, QList<int>({1, 2, 4, 8, 16, 30}));
}

// The rig's modes as the entry form names them.
TEST(Radio, Modes) {
    const std::pair<const char*, const char*> saisie[] = {
        {"USB", "SSB"}, {"CWR", "CW"}, {"WFM", "FM"}, {"AM", "AM"}, {"PKTUSB", ""},
    };
    for (const auto& [rig, mode] : saisie) EXPECT_EQ(Radio::modeSaisie(QString::fromLatin1(rig)), mode) << rig;
    // A spot's: the comment first, then the band plan's CW segments, then the voice mode of the frequency.
    const std::tuple<double, const char*, const char*> cas[] = {
        {14025.0, "DCF-018 SSB", "USB"},   {7090.0, "dcf018 ssb", "LSB"},   {3650.0, "DCF-018 fm cq", "FM"},
        {14200.0, "DCF-018 CW 599", "CW"}, {14200.0, "DCF-018 qsb", "USB"}, {14200.0, "tnx USB/LSB", "USB"},
    };
    for (const auto& [khz, commentaire, mode] : cas)
        EXPECT_EQ(Radio::modeSpot(khz, QString::fromLatin1(commentaire)), mode) << khz << " " << commentaire;
    // Without a comment: the edges of a CW segment, then each range of the voice modes.
    const QString plan = "1810 CW, 7039.9 CW, 7040 LSB, 10140 USB, 40000 , 50150 USB, 145200 USB, 145500 FM, 432200 ";
    QStringList lus;
    for (const QString& c : plan.split(", "))
        lus << c.section(' ', 0, 0) + ' ' + Radio::modeSpot(c.section(' ', 0, 0).toDouble(), {});
    EXPECT_EQ(lus.join(", "), plan);
}

TEST(Radio, Reglages) {
    using T = Radio::Configuration::Type;
    // Address|model|port|speed|interval, then the type, the address, rigctld's arguments or the text that
    // does not read, and the interval.
    const std::tuple<const char*, T, const char*, int> cas[] = {
        {"| |/dev/ttyUSB0|9600|100", T::Aucune, "", 200},
        {"127.0.0.1:4532|1|||9000", T::Adresse, "127.0.0.1 4532", 5000},
        {" shack ||||750", T::Adresse, "shack 4532", 750},
        {"hote:99999|1|||", T::Invalide, "hote:99999", 500},
        {"|1|||", T::Demon, "-m 1 -T 127.0.0.1 -t 4600", 500},
        {"|3073|/dev/ttyUSB0|19200|", T::Demon, "-m 3073 -r /dev/ttyUSB0 -s 19200 -T 127.0.0.1 -t 4600", 500},
        {"|IC-7300|||", T::Invalide, "IC-7300", 500},
        {"|3073|/dev/ttyUSB0|rapide|", T::Invalide, "rapide", 500},
    };
    for (const auto& [reglages, type, detail, intervalle] : cas) {
        const QStringList v = QString::fromLatin1(reglages).split('|');
        const auto r = Radio::configuration(v[0], v[1], v[2], v[3], v[4]);
        const QString lu = r.type == T::Adresse ? r.adresse.hote + ' ' + QString::number(r.adresse.port)
                           : r.type == T::Demon ? Radio::argumentsDemon(r, 4600).join(' ')
                                                : r.invalide;
        EXPECT_EQ(std::tuple(r.type, lu, r.intervalle), std::tuple(type, QString::fromLatin1(detail), intervalle))
            << reglages;
    }
}

TEST(Radio, ListeDesModeles) {
    const QByteArray sortie =
        " Rig #  Mfg                    Model                   Version         Status      Macro\n"
        "     1  Hamlib                 Dummy                   20221128.0      Stable      RIG_MODEL_DUMMY\n"
        "  3073  Icom                   IC-7300                 20230109.0      Stable      RIG_MODEL_IC7300\r\n"
        " 29001  Some Maker With Blanks A-Model-Filling-Its-Colu1.0             Alpha       RIG_MODEL_X\n"
        "\n"
        "rigctl: not a model line\n";
    QStringList lus;
    for (const Radio::Modele& m : Radio::lireModeles(sortie))
        lus << QStringLiteral("%1|%2|%3").arg(m.numero).arg(m.fabricant, m.nom);
    EXPECT_EQ(lus, QStringList({"1|Hamlib|Dummy", "3073|Icom|IC-7300",
                                "29001|Some Maker With Blanks|A-Model-Filling-Its-Colu"}));
    EXPECT_TRUE(Radio::lireModeles("garbage\nwithout a header\n").isEmpty());
}
