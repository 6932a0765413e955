#include <gtest/gtest.h>
#include <QSignalSpy>
#include <tuple>

#include "core/journal/Carnet.h"
#include "core/journal/TextFile.h"
#include "support/Journal.h"

namespace {

Qso qso(const QString& call, const QString& date, const QString& heure, const QString& qsl = " ") {
    return {call, "75", "jean", "DCF-001", date, heure, "SSB", "14 Mhz", "59", "59", "  c. notre-dame ", qsl};
}
QByteArray l(const QString& call, const QString& date, const QString& heure) {
    return TextFile::encode(LigneQso::format(Carnet::normaliser(qso(call, date, heure))));
}
QByteArray fichier(const QByteArrayList& lignes) { return lignes.join("\r\n") + "\r\n"; }

// A log file in a fresh folder, opened by a Carnet.
struct Log : ::testing::Test {
    DossierCarnet env;
    Carnet& carnet = env.carnet;
    void ecrire(const QByteArray& b) {
        env.writeFile("F5XYZ_DCF.log", b);
        ASSERT_TRUE(carnet.ouvrir(env.logPath()));
    }
    QByteArray disque() const { return env.readFile("F5XYZ_DCF.log"); }
    // The file after a change that says it was made.
    QByteArray apres(const Carnet::Resultat& r) const { return r.fait() ? disque() : "<refusé> " + r.message.toUtf8(); }
};

}  // namespace

TEST_F(Log, ReadsAnyLineEndAndAppendsTheExactLine) {
    // An editor's mark and any line end are read; the next save writes CR LF
    // lines, without the mark.
    const QByteArray marque = "\xEF\xBB\xBF";
    ecrire(marque + "A\r\nB\nC\rD\r");
    EXPECT_EQ(apres(carnet.ajouterEnFin(qso("N", "01/01/16", "10:00"))),
              "A\r\nB\r\nC\r\nD\r\n" + l("N", "01/01/16", "10:00") + "\r\n");
    // An append writes the exact line and tells the readers.
    ecrire({});
    QSignalSpy modifie(&carnet, &Carnet::modifie);
    EXPECT_EQ(apres(carnet.ajouterEnFin(qso("F6ABC", "01/02/16", "08:05", "*"))),
              "F6ABC        75 JEAN            DCF-001 01/02/16 08:05 SSB 14 Mhz  59  59  C. NOTRE-DAME                "
              "  *\r\n");
    EXPECT_EQ(std::make_pair(carnet.nombre(), modifie.count()), std::make_pair(qsizetype(1), qsizetype(1)));
    EXPECT_EQ(carnet.dejaContacte(" DCF-001 ", "14 Mhz"), QString("01/02/16"));
    EXPECT_FALSE(carnet.dejaContacte("DCF-001", "7.0 Mhz") ||
                 carnet.dejaContacte("DCF-001", "14 Mhz "));  // the band as it stands
}

TEST_F(Log, InsertionGoesBeforeTheFirstLineAtOrAfterIt) {
    // A short line, then lines whose date or hour cannot be read or does not exist.
    const QByteArray illisibles = "F6AAA        75 COURT\r\n" + l("X", "xx/yy/zz", "10:00") + "\r\n" +
                                  l("Y", "31/02/15", "10:00") + "\r\n" + l("Z", "01/01/15", "24:00");
    const QByteArray a = l("A", "15/03/99", "10:00"), b = l("B", "01/01/05", "10:00"), d = l("D", "01/01/50", "08:00");
    // The file after the insertion, N standing for the new line.
    const std::tuple<const char*, const char*, QByteArray> cas[] = {
        {"01/01/05", "10:00", fichier({illisibles, a, "N", b, d})},  // equal: before the stored one
        {"31/12/98", "23:59", fichier({illisibles, "N", a, b, d})},  // unreadable lines never chosen
        {"31/12/49", "00:00", fichier({illisibles, a, b, d, "N"})},  // 2049: after 1950 too
        {"01/06/99", "00:00", fichier({illisibles, a, "N", b, d})},  // the file order is trusted
    };
    for (auto [date, heure, attendu] : cas) {
        ecrire(fichier({illisibles, a, b, d}));
        EXPECT_EQ(apres(carnet.insererParDate(qso("N", date, heure))),
                  attendu.replace("N\r\n", l("N", date, heure) + "\r\n"))
            << date;
    }
    // A batch merges by date, keeping the given order of equal times.
    const QByteArray p = l("P", "01/01/16", "10:00"), c = l("C", "03/01/16", "10:00");
    ecrire(fichier({p, c}));
    EXPECT_EQ(apres(carnet.insererLot({qso("B2", "02/01/16", "10:00"), qso("B1", "02/01/16", "10:00"),
                                       qso("0", "01/01/15", "10:00"), qso("Z", "04/01/16", "10:00")})),
              fichier({l("0", "01/01/15", "10:00"), p, l("B2", "02/01/16", "10:00"), l("B1", "02/01/16", "10:00"), c,
                       l("Z", "04/01/16", "10:00")}));
}

TEST_F(Log, ReplaceAndDeleteActOnEveryIdenticalLine) {
    const QByteArray a = l("A", "01/01/15", "10:00"), b = l("B", "02/01/15", "10:00");
    const QString montreA = LigneQso::affichage(TextFile::decode(a), 1);
    ecrire(fichier({a, b, a}));
    const QByteArray n = l("N", "03/01/15", "10:00"), m = l("M", "03/01/15", "10:00");
    EXPECT_EQ(apres(carnet.remplacer(montreA, qso("N", "03/01/15", "10:00"))), fichier({n, b, n}));
    // No line shows it any more: the new one is appended.
    EXPECT_EQ(apres(carnet.remplacer(montreA, qso("M", "03/01/15", "10:00"))), fichier({n, b, n, m}));
    EXPECT_EQ(apres(carnet.supprimer(LigneQso::affichage(TextFile::decode(n), 1))), fichier({b, m}));
    // A name typed in lower case by hand is deleted as shown.
    const QByteArray minuscule = QByteArray(b).replace("C. NOTRE-DAME", "c. notre-dame");
    ecrire(fichier({minuscule, b}));
    EXPECT_EQ(apres(carnet.supprimer(LigneQso::affichage(TextFile::decode(minuscule), 1))), fichier({b}));
}

TEST_F(Log, SaveRefusalsNameTheFieldAndNothingIsWritten) {
    ecrire(fichier({l("A", "01/01/16", "10:00")}));
    const QByteArray avant = disque();
    const QString illisible = "contient un caractère que le log ne peut pas enregistrer : ";
    const std::tuple<Carnet::Champ, QString Qso::*, QString, QString> cas[] = {
        {Carnet::Prenom, &Qso::prenom, "µ", "Le champ \"Prénom\" " + illisible + "\u039C"},  // once upper-cased
        {Carnet::Nom, &Qso::nom, "C.\tX", "Le champ \"Nom de la Cathédrale\" " + illisible + "U+0009"},
        {Carnet::Mode, &Qso::mode, "MFSK", "3 caracteres maxi pour le Mode"},
    };
    QList<Qso> lot = {qso("X", "01/01/16", "10:00")};
    for (const auto& [champ, membre, valeur, message] : cas) {
        Qso q = qso("N", "02/01/16", "10:00");
        q.*membre = valeur;
        lot << q;
        const Carnet::Resultat r = carnet.ajouterEnFin(q);
        EXPECT_EQ(std::make_tuple(r.etat, r.champ, r.message),
                  std::make_tuple(Carnet::Resultat::Refuse, champ, message));
    }
    EXPECT_EQ(carnet.insererLot(lot).etat, Carnet::Resultat::Refuse);  // one bad QSO: none of the batch
    EXPECT_EQ(disque(), avant);
}

TEST_F(Log, TheCapRefusesANewQsoButNotAnEdit) {
    ecrire((l("A", "01/01/16", "10:00") + "\r\n").repeated(LigneQso::MaxQso));
    EXPECT_EQ(carnet.ajouterEnFin(qso("N", "01/01/16", "10:00")).message,
              "Le log contient déjà 99999 QSO, le maximum : ce QSO n'a pas été enregistré");
    EXPECT_TRUE(carnet.verifier(qso("N", "01/01/16", "10:00"), false).fait());
    EXPECT_EQ(carnet.insererLot({qso("N", "01/01/16", "10:00")}).etat, Carnet::Resultat::Refuse);
}

// The file changed under the program: read again before writing.
TEST_F(Log, WhatAnotherProgramWroteIsKept) {
    ecrire(fichier({l("A", "01/01/16", "10:00")}));
    env.writeFile("F5XYZ_DCF.log", disque() + l("B", "01/01/16", "11:00") + "\r\n");
    EXPECT_EQ(apres(carnet.ajouterEnFin(qso("C", "01/01/16", "12:00"))),
              fichier({l("A", "01/01/16", "10:00"), l("B", "01/01/16", "11:00"), l("C", "01/01/16", "12:00")}));
}
