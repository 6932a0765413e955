#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "core/journal/Carnet.h"
#include "core/journal/TextFile.h"
#include "support/Doubles.h"

namespace {

Qso qso(const QString& call, const QString& date, const QString& heure) {
    return {call, "75", "jean", "DCF-001", date, heure, "SSB", "14 Mhz", "59", "59", "  c. notre-dame ", " "};
}
QByteArray l(const QString& call, const QString& date, const QString& heure) {
    return TextFile::encode(LigneQso::format(Carnet::normaliser(qso(call, date, heure))));
}
QByteArray fichier(std::initializer_list<QByteArray> lignes) {
    QByteArray out;
    for (const QByteArray& x : lignes) out += x + "\r\n";
    return out;
}

// A log file in a fresh folder, opened by a Carnet.
struct Log : ::testing::Test {
    QTemporaryDir dir;
    Carnet carnet;
    QString chemin() const { return dir.filePath("F5XYZ_DCF.log"); }
    void ecrire(const QByteArray& b) {
        QFile f(chemin());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(b);
        f.close();
        ASSERT_TRUE(carnet.ouvrir(chemin()));
    }
    QByteArray disque() const {
        QFile f(chemin());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
    }
};

}  // namespace

TEST(Horodatage, CenturyWindowAndUnreadableDates) {
    const auto t = [](const QString& d, const QString& h) { return Carnet::horodatage(l("A", d, h)); };
    EXPECT_LT(*t("15/03/99", "10:00"), *t("01/01/00", "00:00"));  // 1999 before 2000
    EXPECT_LT(*t("01/01/50", "00:00"), *t("31/12/99", "23:59"));
    EXPECT_GT(*t("31/12/49", "00:00"), *t("01/01/00", "00:00"));  // 2049
    EXPECT_LT(*t("01/01/16", "09:59"), *t("01/01/16", "10:00"));
    EXPECT_FALSE(t("31/02/15", "10:00"));
    EXPECT_FALSE(t("29/02/23", "10:00"));
    EXPECT_TRUE(t("29/02/24", "10:00"));
    EXPECT_FALSE(t("01/01/15", "24:00"));
    EXPECT_FALSE(Carnet::horodatage("F6AAA        75 COURT"));
}

TEST_F(Log, ReadsAnyLineEndAndSkipsAByteOrderMark) {
    ecrire("\xEF\xBB\xBF" "A\r\nB\nC\rD");
    ASSERT_EQ(carnet.nombre(), 4);
    EXPECT_EQ(carnet.ligne(0), "A");
    EXPECT_EQ(carnet.ligne(2), "C");
    EXPECT_EQ(carnet.ligne(3), "D");
    EXPECT_EQ(carnet.colonne(0, 5, 3), "");
    ecrire(l("A", "01/01/16", "10:00").left(20));
    EXPECT_EQ(carnet.colonne(0, 13, 8).size(), 7);  // a short line gives what it has
    // The next save writes CR LF lines, without the mark.
    ecrire("\xEF\xBB\xBF" "X\nY\r");
    ASSERT_TRUE(carnet.ajouterEnFin(qso("N", "01/01/16", "10:00")).fait());
    EXPECT_EQ(disque(), "X\r\nY\r\n" + l("N", "01/01/16", "10:00") + "\r\n");
}

TEST_F(Log, AppendWritesTheExactLineAndTellsTheReaders) {
    ecrire({});
    QSignalSpy modifie(&carnet, &Carnet::modifie);
    Qso q = qso("F6ABC", "01/02/16", "08:05");
    q.qsl = "*";
    ASSERT_TRUE(carnet.ajouterEnFin(q).fait());
    const QByteArray attendu =
        "F6ABC        75 JEAN            DCF-001 01/02/16 08:05 SSB 14 Mhz  59  59  C. NOTRE-DAME                  *\r\n";
    EXPECT_EQ(disque(), attendu);
    EXPECT_EQ(carnet.nombre(), 1);
    EXPECT_EQ(modifie.count(), 1);
    EXPECT_EQ(carnet.dejaContacte(" DCF-001 ", "14 Mhz"), QString("01/02/16"));
    EXPECT_FALSE(carnet.dejaContacte("DCF-001", "7.0 Mhz"));
    EXPECT_FALSE(carnet.dejaContacte("DCF-001", "14 Mhz "));  // the band as it stands
}

TEST_F(Log, InsertionGoesBeforeTheFirstLineAtOrAfterIt) {
    const QByteArray court = "F6AAA        75 COURT", mauvais = l("X", "xx/yy/zz", "10:00");
    const QByteArray a = l("A", "15/03/99", "10:00"), b = l("B", "01/01/05", "10:00"),
                     d = l("D", "01/01/50", "08:00");
    struct Cas {
        const char* date;
        const char* heure;
        QByteArray attendu;  // the file after the insertion, N standing for the new line
    };
    const QByteArray n = "N";
    const Cas cas[] = {
        {"01/01/05", "10:00", fichier({court, mauvais, a, n, b, d})},  // equal: before the stored one
        {"31/12/98", "23:59", fichier({court, mauvais, n, a, b, d})},  // unreadable lines never chosen
        {"31/12/49", "00:00", fichier({court, mauvais, a, b, d, n})},  // 2049: after 1950 too
        {"01/06/99", "00:00", fichier({court, mauvais, a, n, b, d})},  // the file order is trusted
    };
    for (const Cas& c : cas) {
        ecrire(fichier({court, mauvais, a, b, d}));
        ASSERT_TRUE(carnet.insererParDate(qso("N", c.date, c.heure)).fait());
        QByteArray attendu = c.attendu;
        attendu.replace("N\r\n", l("N", c.date, c.heure) + "\r\n");
        EXPECT_EQ(disque(), attendu) << c.date;
    }
}

TEST_F(Log, ReplaceAndDeleteActOnEveryIdenticalLine) {
    const QByteArray a = l("A", "01/01/15", "10:00"), b = l("B", "02/01/15", "10:00");
    const QString montreA = LigneQso::affichage(TextFile::decode(a), 1);
    ecrire(fichier({a, b, a}));
    ASSERT_TRUE(carnet.remplacer(montreA, qso("N", "03/01/15", "10:00")).fait());
    const QByteArray n = l("N", "03/01/15", "10:00");
    EXPECT_EQ(disque(), fichier({n, b, n}));
    // No line shows it any more: the new one is appended.
    ASSERT_TRUE(carnet.remplacer(montreA, qso("M", "03/01/15", "10:00")).fait());
    EXPECT_EQ(disque(), fichier({n, b, n, l("M", "03/01/15", "10:00")}));
    ASSERT_TRUE(carnet.supprimer(LigneQso::affichage(TextFile::decode(n), 1)).fait());
    EXPECT_EQ(disque(), fichier({b, l("M", "03/01/15", "10:00")}));
    // A name typed in lower case by hand is deleted as shown.
    QByteArray minuscule = b;
    minuscule.replace("C. NOTRE-DAME", "c. notre-dame");
    ecrire(fichier({minuscule, b}));
    ASSERT_TRUE(carnet.supprimer(LigneQso::affichage(TextFile::decode(minuscule), 1)).fait());
    EXPECT_EQ(disque(), fichier({b}));
}

TEST_F(Log, BatchInsertMergesByDateKeepingTheGivenOrderOfEqualTimes) {
    const QByteArray a = l("A", "01/01/16", "10:00"), c = l("C", "03/01/16", "10:00");
    ecrire(fichier({a, c}));
    ASSERT_TRUE(carnet.insererLot({qso("B2", "02/01/16", "10:00"), qso("B1", "02/01/16", "10:00"),
                                   qso("0", "01/01/15", "10:00"), qso("Z", "04/01/16", "10:00")})
                    .fait());
    EXPECT_EQ(disque(), fichier({l("0", "01/01/15", "10:00"), a, l("B2", "02/01/16", "10:00"),
                                 l("B1", "02/01/16", "10:00"), c, l("Z", "04/01/16", "10:00")}));
    const QByteArray avant = disque();
    Qso mauvais = qso("Y", "01/01/16", "10:00");
    mauvais.mode = "MFSK";
    EXPECT_EQ(carnet.insererLot({qso("X", "01/01/16", "10:00"), mauvais}).etat, Carnet::Resultat::Refuse);
    EXPECT_EQ(disque(), avant);
}

TEST_F(Log, SaveRefusalsNameTheFieldAndNothingIsWritten) {
    ecrire(fichier({l("A", "01/01/16", "10:00")}));
    const QByteArray avant = disque();
    struct Cas {
        Carnet::Champ champ;
        QString valeur;
        QString message;
    };
    const Cas cas[] = {
        {Carnet::Prenom, "JEAN\u0141", "Le champ \"Prénom\" contient un caractère que le log ne peut pas enregistrer : \u0141"},
        {Carnet::Prenom, "µ", "Le champ \"Prénom\" contient un caractère que le log ne peut pas enregistrer : \u039C"},
        {Carnet::Nom, "C.\tX", "Le champ \"Nom de la Cathédrale\" contient un caractère que le log ne peut pas enregistrer : U+0009"},
        {Carnet::Date, "31/02/25", "Le format de la date doit etre JJ/MM/AA"},
        {Carnet::Mode, "MFSK", "3 caracteres maxi pour le Mode"},
    };
    for (const Cas& c : cas) {
        Qso q = qso("N", "02/01/16", "10:00");
        if (c.champ == Carnet::Prenom) q.prenom = c.valeur;
        if (c.champ == Carnet::Nom) q.nom = c.valeur;
        if (c.champ == Carnet::Date) q.date = c.valeur;
        if (c.champ == Carnet::Mode) q.mode = c.valeur;
        const Carnet::Resultat r = carnet.ajouterEnFin(q);
        EXPECT_EQ(r.etat, Carnet::Resultat::Refuse) << c.valeur.toStdString();
        EXPECT_EQ(r.champ, c.champ);
        EXPECT_EQ(r.message, c.message);
    }
    EXPECT_EQ(disque(), avant);
}

TEST_F(Log, TheCapRefusesANewQsoButNotAnEdit) {
    QByteArray plein;
    const QByteArray x = l("A", "01/01/16", "10:00");
    for (int i = 0; i < LigneQso::MaxQso; ++i) plein += x + "\r\n";
    ecrire(plein);
    const Carnet::Resultat r = carnet.ajouterEnFin(qso("N", "01/01/16", "10:00"));
    EXPECT_EQ(r.message, "Le log contient déjà 99999 QSO, le maximum : ce QSO n'a pas été enregistré");
    EXPECT_TRUE(carnet.verifier(qso("N", "01/01/16", "10:00"), false).fait());
    EXPECT_EQ(carnet.insererLot({qso("N", "01/01/16", "10:00")}).etat, Carnet::Resultat::Refuse);
}

// The file changed under the program: read again before writing; its
// folder gone: the write fails and says so.
TEST_F(Log, WhatHappensOnDiskIsTakenIntoAccount) {
    ecrire(fichier({l("A", "01/01/16", "10:00")}));
    QFile f(chemin());
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write(l("B", "01/01/16", "11:00") + "\r\n");
    f.close();
    ASSERT_TRUE(carnet.ajouterEnFin(qso("C", "01/01/16", "12:00")).fait());
    EXPECT_EQ(carnet.nombre(), 3);
    const QString ici = dir.path(), ailleurs = ici + "-ailleurs";
    ASSERT_TRUE(QDir().rename(ici, ailleurs));
    const Carnet::Resultat r = carnet.ajouterEnFin(qso("N", "02/01/16", "10:00"));
    ASSERT_TRUE(QDir().rename(ailleurs, ici));
    EXPECT_EQ(r.etat, Carnet::Resultat::EchecEcriture);
    EXPECT_EQ(r.message, Carnet::messageEcriture(chemin()));
    EXPECT_EQ(disque(), fichier({l("A", "01/01/16", "10:00"), l("B", "01/01/16", "11:00"), l("C", "01/01/16", "12:00")}));
}
