#include <gtest/gtest.h>
#include <QFile>
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
struct Log : ::testing::Test, DossierCarnet {
    // The file after a change that says it was made.
    QByteArray apres(const Carnet::Resultat& r) const { return r.fait() ? log() : "<refusé> " + r.message.toUtf8(); }
};

}  // namespace

TEST_F(Log, ReadsAnyLineEndAndOutsideWritesAndAppendsTheExactLine) {
    // An editor's mark and any line end are read; the next save writes CR LF
    // lines, without the mark.
    const QByteArray marque = "\xEF\xBB\xBF";
    ouvrir(marque + "A\r\nB\nC\rD\r");
    EXPECT_EQ(apres(carnet.ajouterEnFin(qso("N", "01/01/16", "10:00"))),
              "A\r\nB\r\nC\r\nD\r\n" + l("N", "01/01/16", "10:00") + "\r\n");
    // An append writes the exact line and tells the readers.
    ouvrir({});
    QSignalSpy modifie(&carnet, &Carnet::modifie);
    EXPECT_EQ(apres(carnet.ajouterEnFin(qso("F6ABC", "01/02/16", "08:05", "*"))),
              "F6ABC        75 JEAN            DCF-001 01/02/16 08:05 SSB 14 Mhz  59  59  C. NOTRE-DAME                "
              "  *\r\n");
    EXPECT_EQ(std::make_pair(carnet.nombre(), modifie.count()), std::make_pair(qsizetype(1), qsizetype(1)));
    EXPECT_EQ(carnet.dejaContacte(" DCF-001 ", "14 Mhz"), QString("01/02/16"));
    EXPECT_FALSE(carnet.dejaContacte("DCF-001", "7.0 Mhz") ||
                 carnet.dejaContacte("DCF-001", "14 Mhz "));  // the band as it stands
    // The file changed under the program: read again before writing.
    const QByteArray autre = log() + l("B", "01/01/16", "11:00") + "\r\n";
    writeFile("F5XYZ_DCF.log", autre);
    EXPECT_EQ(apres(carnet.ajouterEnFin(qso("C", "01/01/16", "12:00"))), autre + l("C", "01/01/16", "12:00") + "\r\n");
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
        ouvrir(fichier({illisibles, a, b, d}));
        EXPECT_EQ(apres(carnet.insererParDate(qso("N", date, heure))),
                  attendu.replace("N\r\n", l("N", date, heure) + "\r\n"))
            << date;
    }
    // A batch merges by date, keeping the given order of equal times.
    const QByteArray p = l("P", "01/01/16", "10:00"), c = l("C", "03/01/16", "10:00");
    ouvrir(fichier({p, c}));
    EXPECT_EQ(apres(carnet.insererLot({qso("B2", "02/01/16", "10:00"), qso("B1", "02/01/16", "10:00"),
                                       qso("0", "01/01/15", "10:00"), qso("Z", "04/01/16", "10:00")})),
              fichier({l("0", "01/01/15", "10:00"), p, l("B2", "02/01/16", "10:00"), l("B1", "02/01/16", "10:00"), c,
                       l("Z", "04/01/16", "10:00")}));
}

TEST_F(Log, ReplaceAndDeleteActOnEveryIdenticalLine) {
    const QByteArray a = l("A", "01/01/15", "10:00"), b = l("B", "02/01/15", "10:00");
    const QString montreA = LigneQso::affichage(TextFile::decode(a), 1);
    ouvrir(fichier({a, b, a}));
    const QByteArray n = l("N", "03/01/15", "10:00"), m = l("M", "03/01/15", "10:00");
    EXPECT_EQ(apres(carnet.remplacer(montreA, qso("N", "03/01/15", "10:00"))), fichier({n, b, n}));
    // No line shows it any more: the new one is appended.
    EXPECT_EQ(apres(carnet.remplacer(montreA, qso("M", "03/01/15", "10:00"))), fichier({n, b, n, m}));
    EXPECT_EQ(apres(carnet.supprimer(LigneQso::affichage(TextFile::decode(n), 1))), fichier({b, m}));
    // A name typed in lower case by hand is deleted as shown.
    const QByteArray minuscule = QByteArray(b).replace("C. NOTRE-DAME", "c. notre-dame");
    ouvrir(fichier({minuscule, b}));
    EXPECT_EQ(apres(carnet.supprimer(LigneQso::affichage(TextFile::decode(minuscule), 1))), fichier({b}));
}

TEST_F(Log, SaveRefusalsNameTheFieldAndNothingIsWritten) {
    ouvrir(fichier({l("A", "01/01/16", "10:00")}));
    const QByteArray avant = log();
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
    EXPECT_EQ(log(), avant);
}

TEST_F(Log, TheCapRefusesANewQsoButNotAnEdit) {
    ouvrir((l("A", "01/01/16", "10:00") + "\r\n").repeated(LigneQso::MaxQso));
    EXPECT_EQ(carnet.ajouterEnFin(qso("N", "01/01/16", "10:00")).message,
              "Le log contient déjà 99999 QSO, le maximum : ce QSO n'a pas été enregistré");
    EXPECT_TRUE(carnet.verifier(qso("N", "01/01/16", "10:00"), false).fait());
    EXPECT_EQ(carnet.insererLot({qso("N", "01/01/16", "10:00")}).etat, Carnet::Resultat::Refuse);
}

// The mark is set on the lines named, a short line padded up to it; a
// confirmed line, a number past the end and a line named twice change nothing
// more. With nothing left to mark nothing is written, and once the file
// changed on disk the numbers may name other QSOs: refused.
TEST_F(Log, ConfirmationMarksTheNamedLinesInOneRewriteOrNothing) {
    const auto dcf = [](const char* call, bool qsl) {
        return ligne(call, "75", "JEAN", "DCF-001", "15/06/21", "14:32", "SSB", "14 Mhz", "C. DE PARIS", qsl);
    };
    const QString libre = dcf("F5ABC", false), confirme = dcf("F5ABC", true), courte = dcf("F6DEF", false).left(66);
    station("F5XYZ", {libre, confirme, courte, libre});
    QSignalSpy modifie(&carnet, &Carnet::modifie);
    ASSERT_TRUE(carnet.confirmer({2, 1, 0, 2, 7, -1}).fait());
    const QByteArray marquee = TextFile::joinLines({confirme, confirme, courte.leftJustified(106, ' ') + "*", libre});
    EXPECT_EQ(log(), marquee);
    EXPECT_EQ(modifie.count(), 1);

    ASSERT_TRUE(QFile::setPermissions(logPath(), QFile::ReadOwner));  // a write would fail
    EXPECT_TRUE(carnet.confirmer({0, 1, 2}).fait());
    EXPECT_EQ(modifie.count(), 1);

    ASSERT_TRUE(QFile::setPermissions(logPath(), QFile::ReadOwner | QFile::WriteOwner));
    writeFile("F5XYZ_DCF.log", "F9ZZZ\r\n" + marquee);
    const Carnet::Resultat r = carnet.confirmer({3});
    EXPECT_EQ(r.etat, Carnet::Resultat::Refuse);
    EXPECT_TRUE(r.message.startsWith("Le log a été modifié pendant la lecture des confirmations"));
    EXPECT_EQ(log(), "F9ZZZ\r\n" + marquee);
}
