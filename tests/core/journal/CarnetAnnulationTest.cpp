#include <gtest/gtest.h>
#include <functional>

#include "core/journal/Carnet.h"
#include "core/journal/TextFile.h"
#include "support/Journal.h"

namespace {

Qso qso(const QString& call, const QString& date, const QString& heure, const QString& ref = "DCF-018") {
    return {call, "75", "jean", ref, date, heure, "SSB", "14 Mhz", "59", "59", "c. notre-dame", " "};
}
QByteArray octets(const Qso& q) { return TextFile::encode(LigneQso::format(Carnet::normaliser(q))); }
QString affichee(const Carnet& c, qsizetype i) { return LigneQso::affichage(c.texte(i), int(i + 1)); }

struct Annulation : ::testing::Test, DossierCarnet {
    // A log as an editor may leave it: a mark, LF and CR LF ends, no last end.
    const QByteArray depart = "\xEF\xBB\xBF" + octets(qso("F6AAA", "01/01/16", "10:00")) + "\n" +
                              octets(qso("F5ABC", "02/01/16", "10:00")) + "\r\n" +
                              octets(qso("F4CCC", "03/01/16", "10:00", "DCF-020"));
    void SetUp() override { ouvrir(depart); }
};

}  // namespace

// Each kind of change is named, and its undo gives back the file byte for
// byte, even line ends the rewrite had made uniform.
TEST_F(Annulation, EachChangeUndoneByteForByte) {
    const struct {
        const char* nom;
        std::function<Carnet::Resultat(Carnet&)> changer;
    } cas[] = {
        {"ajout de F1NEW DCF-018", [](Carnet& c) { return c.ajouterEnFin(qso("F1NEW", "04/01/16", "10:00")); }},
        {"insertion de F2NEW DCF-018", [](Carnet& c) { return c.insererParDate(qso("F2NEW", "02/01/16", "09:00")); }},
        {"modification de F5ABC DCF-019",
         [](Carnet& c) { return c.remplacer(affichee(c, 1), qso("F5ABC", "02/01/16", "10:00", "DCF-019")); }},
        {"suppression de F5ABC DCF-018", [](Carnet& c) { return c.supprimer(affichee(c, 1)); }},
        {"importation ADIF de 2 QSO",
         [](Carnet& c) {
             return c.insererLot(QList{qso("F3AAA", "05/01/16", "10:00"), qso("F3BBB", "01/01/15", "10:00")});
         }},
        {"confirmation de 2 QSO", [](Carnet& c) { return c.confirmer(QList<qsizetype>() << 0 << 2); }},
        {"restauration de la sauvegarde",
         [](Carnet& c) { return c.restaurer("X\r\n", "restauration de la sauvegarde"); }},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        ASSERT_TRUE(c.changer(carnet).fait());
        EXPECT_EQ(carnet.derniereModification().toStdString(), c.nom);
        EXPECT_NE(log(), depart);
        ASSERT_TRUE(carnet.annuler().fait());
        EXPECT_TRUE(log() == depart && carnet.octets() == depart && carnet.nombre() == 3);
        EXPECT_EQ(carnet.annulationsPossibles(), 0);
    }
    EXPECT_EQ(carnet.annuler().message, "Aucune modification à annuler");
    // The question's article follows the name.
    EXPECT_EQ(Carnet::questionAnnulation("suppression de F5ABC DCF-018"), "Annuler la suppression de F5ABC DCF-018 ?");
    EXPECT_EQ(Carnet::questionAnnulation("ajout de F5ABC DCF-018"), "Annuler l'ajout de F5ABC DCF-018 ?");
}

// Twenty changes at most, undone newest first; a deletion keeps what it took, not the log.
TEST_F(Annulation, TwentyStepsAndOnlyTheDifferenceKept) {
    QList<QByteArray> etats;
    for (int i = 0; i < Carnet::MaxAnnulations + 2; ++i) {
        etats << log();
        ASSERT_TRUE(carnet.ajouterEnFin(qso(QString("F%1ZZ").arg(i), "04/01/16", "10:00")).fait());
    }
    EXPECT_EQ(carnet.annulationsPossibles(), Carnet::MaxAnnulations);
    for (int i = Carnet::MaxAnnulations + 1; i > 1; --i) {
        ASSERT_TRUE(carnet.annuler().fait());
        EXPECT_EQ(log(), etats[i]);
    }
    EXPECT_FALSE(carnet.annuler().fait());

    QByteArray grand;
    for (int i = 0; i < 2000; ++i) grand += octets(qso(QString("F%1").arg(i), "01/01/16", "10:00")) + "\r\n";
    ouvrir(grand);
    ASSERT_TRUE(carnet.supprimer(affichee(carnet, 1000)).fait());
    EXPECT_LE(carnet.memoireAnnulations(), LigneQso::Longueur + 2);
}

// Another program wrote the file since: the undo is refused, the file stays
// as the other program left it, and the earlier changes are forgotten.
TEST_F(Annulation, RefusedAfterAnOutsideChange) {
    ASSERT_TRUE(carnet.ajouterEnFin(qso("F1AAA", "04/01/16", "10:00")).fait());
    ASSERT_TRUE(carnet.supprimer(affichee(carnet, 0)).fait());
    QByteArray autre = log();
    autre[autre.size() - 3] = 'Z';  // same size, same instant: only the bytes tell
    writeFile("F5XYZ_DCF.log", autre);
    const Carnet::Resultat r = carnet.annuler();
    EXPECT_EQ(r.message,
              "Le log a été modifié par un autre programme depuis la suppression de F6AAA DCF-018 : elle ne peut pas "
              "être annulée");
    EXPECT_TRUE(log() == autre && carnet.octets() == autre && carnet.annulationsPossibles() == 0);
}
