#include <gtest/gtest.h>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "core/journal/Carnet.h"
#include "core/journal/LigneQso.h"

namespace {

QByteArray ligne(const QString& call, const QString& qsl) {
    return LigneQso::format(
               {call, "75", "JEAN", "DCF-001", "15/06/21", "14:32", "SSB", "14 Mhz", "59", "59", "C. DE PARIS", qsl})
        .toLatin1();
}

}  // namespace

// The mark is set on the lines named, a short line padded up to it; a
// confirmed line, a number past the end and a line named twice change nothing
// more. With nothing left to mark nothing is written, and once the file
// changed on disk the numbers may name other QSOs: refused.
TEST(CarnetConfirmer, MarksTheNamedLinesInOneRewriteOrNothing) {
    QTemporaryDir dir;
    const QString chemin = dir.filePath("F5XYZ_DCF.log");
    const auto ecrire = [&](const QByteArray& b) {
        QFile f(chemin);
        return f.open(QIODevice::WriteOnly) && f.write(b) == b.size();
    };
    const auto disque = [&] {
        QFile f(chemin);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
    };
    const QByteArray qso = ligne("F5ABC", " "), confirme = ligne("F5ABC", "*"), courte = ligne("F6DEF", " ").left(66);
    ASSERT_TRUE(ecrire(qso + "\n" + confirme + "\n" + courte + "\n" + qso + "\n"));
    Carnet carnet;
    ASSERT_TRUE(carnet.ouvrir(chemin));
    QSignalSpy modifie(&carnet, &Carnet::modifie);
    ASSERT_TRUE(carnet.confirmer({2, 1, 0, 2, 7, -1}).fait());
    const QByteArray apres =
        confirme + "\r\n" + confirme + "\r\n" + courte.leftJustified(106, ' ') + "*\r\n" + qso + "\r\n";
    EXPECT_EQ(disque(), apres);
    EXPECT_EQ(modifie.count(), 1);

    ASSERT_TRUE(QFile::setPermissions(chemin, QFile::ReadOwner));  // a write would fail
    EXPECT_TRUE(carnet.confirmer({0, 1, 2}).fait());
    EXPECT_EQ(modifie.count(), 1);

    ASSERT_TRUE(QFile::setPermissions(chemin, QFile::ReadOwner | QFile::WriteOwner) && ecrire("F9ZZZ\r\n" + apres));
    const Carnet::Resultat r = carnet.confirmer({3});
    EXPECT_EQ(r.etat, Carnet::Resultat::Refuse);
    EXPECT_TRUE(r.message.startsWith("Le log a été modifié pendant la lecture des confirmations"));
    EXPECT_EQ(disque(), "F9ZZZ\r\n" + apres);
}
