#include <gtest/gtest.h>
#include <sys/resource.h>
#include <QDir>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>

#include "core/journal/FichierAtomique.h"
#include "core/sauvegarde/Sauvegardes.h"
#include "support/Journal.h"

namespace {

QDateTime le(int jour, int heure = 9) { return QDateTime(QDate(2026, 12, jour), QTime(heure, 30, 15)); }

struct Dossier : ::testing::Test {
    QTemporaryDir d;
    // Polyvox.ini is missing.
    Sauvegardes::Lieu lieu{
        d.filePath("Sauvegardes"), true, "F5XYZ", {d.filePath("Liste_Prenom.txt"), d.filePath("Polyvox.ini")}};
    void SetUp() override { ecrireFichier(d.filePath("Liste_Prenom.txt"), "F5ABC JEAN\r\n"); }
    QStringList noms() const { return QDir(lieu.dossier).entryList(QDir::Files, QDir::Name); }
};

}  // namespace

// Before the first change of a day the log as it was, with the other files;
// no second one that day; at quit after a change the log as it is, a
// same-second one beside it; a session without change backs up nothing.
TEST_F(Dossier, DailyAndQuitBackups) {
    Sauvegardes s;
    s.aLaFermeture(lieu, "jamais", le(6));
    EXPECT_TRUE(noms().isEmpty());
    s.avantModification(lieu, "avant\r\n", le(7));
    s.avantModification(lieu, "plus tard\r\n", le(7, 15));
    s.aLaFermeture(lieu, "fin\r\n", le(7, 18));
    s.aLaFermeture(lieu, "fin bis\r\n", le(7, 18));
    s.avantModification(lieu, "lendemain\r\n", le(8));
    EXPECT_EQ(noms(),
              QStringList({"F5XYZ_DCF_2026-12-07_093015.log", "F5XYZ_DCF_2026-12-07_093015_Liste_Prenom.txt",
                           "F5XYZ_DCF_2026-12-07_183015-2.log", "F5XYZ_DCF_2026-12-07_183015-2_Liste_Prenom.txt",
                           "F5XYZ_DCF_2026-12-07_183015.log", "F5XYZ_DCF_2026-12-07_183015_Liste_Prenom.txt",
                           "F5XYZ_DCF_2026-12-08_093015.log", "F5XYZ_DCF_2026-12-08_093015_Liste_Prenom.txt"}));
    QStringList contenus;
    for (const Sauvegardes::Copie& c : Sauvegardes::lister(lieu.dossier, "F5XYZ")) contenus << lireFichier(c.chemin);
    EXPECT_EQ(contenus, QStringList({"lendemain\r\n", "fin bis\r\n", "fin\r\n", "avant\r\n"}));
    EXPECT_EQ(lireFichier(lieu.dossier + "/F5XYZ_DCF_2026-12-07_093015_Liste_Prenom.txt"), "F5ABC JEAN\r\n");
    EXPECT_EQ(s.messageAMontrer(), "");
}

// The last ten, plus the last of each of the twelve months up to today;
// older ones go only when a newer one was written.
TEST_F(Dossier, RetentionOverTwoYears) {
    QDateTime t(QDate(2025, 1, 1), QTime(12, 0));
    for (; t.date() < QDate(2026, 12, 20); t = t.addDays(5)) ASSERT_EQ(Sauvegardes::sauvegarder(lieu, "x", t), "");
    QStringList reste;
    for (const Sauvegardes::Copie& c : Sauvegardes::lister(lieu.dossier, "F5XYZ"))
        reste << c.quand.toString("yyyy-MM-dd");
    EXPECT_EQ(reste.join(' ').toStdString(),
              "2026-12-17 2026-12-12 2026-12-07 2026-12-02 2026-11-27 2026-11-22 2026-11-17 2026-11-12 2026-11-07 "
              "2026-11-02 2026-10-28 2026-09-28 2026-08-29 2026-07-30 2026-06-30 2026-05-31 2026-04-26 2026-03-27 "
              "2026-02-25 2026-01-31");
    EXPECT_EQ(noms().size(), 2 * reste.size());  // each with its first names, nothing stray
}

// A folder that cannot be made, a chosen one that is gone, a full disk: the
// message once per session, nothing half written, nothing older removed.
TEST_F(Dossier, FailuresSaySoOnceAndLoseNothing) {
    ASSERT_EQ(Sauvegardes::sauvegarder(lieu, "ancienne", le(1)), "");
    const QStringList avant = noms();
    ecrireFichier(d.filePath("fichier"), "");
    const Sauvegardes::Lieu impossible{d.filePath("fichier/Sauvegardes"), true, "F5XYZ", {}};
    const Sauvegardes::Lieu debranche{d.filePath("cle"), false, "F5XYZ", {}};
    EXPECT_EQ(
        Sauvegardes::sauvegarder(impossible, "x", le(2)),
        "Sauvegarde impossible dans " + d.filePath("fichier/Sauvegardes") + " : le dossier ne peut pas être créé");
    EXPECT_EQ(Sauvegardes::sauvegarder(debranche, "x", le(2)),
              "Sauvegarde impossible dans " + d.filePath("cle") + " : le dossier n'existe pas");
    EXPECT_FALSE(QDir(d.filePath("cle")).exists());

    FichierAtomique::ignorerLimiteTaille();
    rlimit limite;
    ::getrlimit(RLIMIT_FSIZE, &limite);
    const rlimit petite{4096, limite.rlim_max};
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &petite), 0);
    Sauvegardes s;
    for (int jour = 2; jour < 30; ++jour) s.avantModification(lieu, QByteArray(10000, 'x'), le(jour));
    ::setrlimit(RLIMIT_FSIZE, &limite);
    EXPECT_EQ(s.messageAMontrer(),
              "Sauvegarde impossible dans " + lieu.dossier + " : " + QString::fromLocal8Bit(std::strerror(EFBIG)));
    EXPECT_EQ(s.messageAMontrer(), "");
    EXPECT_EQ(noms().join(' ').toStdString(), avant.join(' ').toStdString());
}

// A backup's QSOs are counted as the log reads its lines.
TEST_F(Dossier, QsoCountOfABackup) {
    const struct {
        QByteArray octets;
        qsizetype qso;
    } cas[] = {{"", 0}, {"A\nB\rC\r\n", 3}, {"A\r\r\nB", 3}, {QByteArray(3 << 20, 'x') + "\n\n", 2}};
    for (const auto& c : cas) {
        ecrireFichier(d.filePath("l.log"), c.octets);
        EXPECT_EQ(Sauvegardes::compterQso(d.filePath("l.log")), c.qso) << c.octets.left(20).toStdString();
    }
    EXPECT_EQ(Sauvegardes::compterQso(d.filePath("absent.log")), -1);
}
