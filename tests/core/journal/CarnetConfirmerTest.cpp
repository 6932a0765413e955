#include <gtest/gtest.h>
#include <QFile>
#include <QSignalSpy>

#include "core/journal/Carnet.h"
#include "core/journal/TextFile.h"
#include "support/Journal.h"

// The mark is set on the lines named, a short line padded up to it; a
// confirmed line, a number past the end and a line named twice change nothing
// more. With nothing left to mark nothing is written, and once the file
// changed on disk the numbers may name other QSOs: refused.
TEST(CarnetConfirmer, MarksTheNamedLinesInOneRewriteOrNothing) {
    DossierCarnet env;
    const QString chemin = env.logPath();
    const auto l = [](const char* call, bool qsl) {
        return ligne(call, "75", "JEAN", "DCF-001", "15/06/21", "14:32", "SSB", "14 Mhz", "C. DE PARIS", qsl);
    };
    const QString qso = l("F5ABC", false), confirme = l("F5ABC", true), courte = l("F6DEF", false).left(66);
    env.station("F5XYZ", {qso, confirme, courte, qso});
    Carnet& carnet = env.carnet;
    QSignalSpy modifie(&carnet, &Carnet::modifie);
    ASSERT_TRUE(carnet.confirmer({2, 1, 0, 2, 7, -1}).fait());
    const QByteArray apres = TextFile::joinLines({confirme, confirme, courte.leftJustified(106, ' ') + "*", qso});
    EXPECT_EQ(env.readFile("F5XYZ_DCF.log"), apres);
    EXPECT_EQ(modifie.count(), 1);

    ASSERT_TRUE(QFile::setPermissions(chemin, QFile::ReadOwner));  // a write would fail
    EXPECT_TRUE(carnet.confirmer({0, 1, 2}).fait());
    EXPECT_EQ(modifie.count(), 1);

    ASSERT_TRUE(QFile::setPermissions(chemin, QFile::ReadOwner | QFile::WriteOwner));
    env.writeFile("F5XYZ_DCF.log", "F9ZZZ\r\n" + apres);
    const Carnet::Resultat r = carnet.confirmer({3});
    EXPECT_EQ(r.etat, Carnet::Resultat::Refuse);
    EXPECT_TRUE(r.message.startsWith("Le log a été modifié pendant la lecture des confirmations"));
    EXPECT_EQ(env.readFile("F5XYZ_DCF.log"), "F9ZZZ\r\n" + apres);
}
