#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>
#include <random>

#include "Coupures.h"
#include "core/journal/Carnet.h"
#include "support/Journal.h"

namespace {

void droits(const QString& p, mode_t m) { ASSERT_EQ(::chmod(QFile::encodeName(p).constData(), m), 0); }

// Runs f in a child process, as the user nobody when we are root so that
// permissions apply, and returns what it answered or how it ended.
QString commeUnAutre(const std::function<QString()>& f) {
    int tube[2];
    if (::pipe(tube) != 0) return "<pipe>";
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(5);
        const QByteArray r = f().toUtf8();
        ::_exit(::write(tube[1], r.constData(), size_t(r.size())) == r.size() ? 0 : 4);
    }
    ::close(tube[1]);
    QFile sortie;
    sortie.open(tube[0], QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    const QByteArray r = sortie.readAll();
    int etat = 0;
    ::waitpid(pid, &etat, 0);
    return WIFEXITED(etat) && WEXITSTATUS(etat) == 0 ? QString::fromUtf8(r) : QString("<état %1>").arg(etat);
}

}  // namespace

class Coupure : public testing::TestWithParam<std::tuple<Coupures::Ecrivain, int>> {};

// Each writer killed at random instants, 40 times on a 200-QSO log and 5 on a
// full one: the log holds the old or the new content (the backup folder lists
// the old backups or one more, whole), and the next start-up's cleanup takes
// whatever was left.
TEST_P(Coupure, OldOrNewContentAndEveryLeftoverCleaned) {
    const auto [ecrivain, qso] = GetParam();
    const int coupures = qso == LigneQso::MaxQso ? 5 : 40;
    QTemporaryDir d;
    const unsigned graine = std::random_device{}();
    std::mt19937 hasard(graine);
    const Coupures::Bilan b = Coupures::couper(d.path(), ecrivain, qso, coupures, hasard);
    SCOPED_TRACE(QString("graine %1").arg(graine).toStdString());
    // Every round counted, none bad, every leftover cleaned; the first bad round, if any, said.
    EXPECT_EQ(std::make_tuple(b.total(), b.corrompu + b.echecs, b.laisses - b.nettoyes + b.restes),
              std::make_tuple(coupures, 0, 0));
    EXPECT_EQ(b.premierDefaut.toStdString(), "");
    EXPECT_TRUE(coupures < 40 || b.ancien + b.ancienTemporaire > 0) << "no kill landed before the rename";
}
INSTANTIATE_TEST_SUITE_P(Ecrivains, Coupure,
                         testing::Combine(testing::ValuesIn(Coupures::Ecrivains),
                                          testing::Values(200, LigneQso::MaxQso)),
                         [](const auto& i) {
                             return std::string(Coupures::nom(std::get<0>(i.param))) + "_" +
                                    std::to_string(std::get<1>(i.param));
                         });

// A log without write bit, a folder we may not write, another user's log in a
// folder we may write: each save is refused with its message, and the log
// stays byte for byte as it was, and whose it was.
TEST(EcrituresImpossibles, RefusedAndTheLogAsItWas) {
    QTemporaryDir d;
    droits(d.path(), 0755);
    const struct {
        const char* dossier;
        mode_t modeDossier, modeLog;
    } cas[] = {{"lecture", 01777, 0444}, {"protege", 0555, 0666}, {"partage", 01777, 0666}};
    const QByteArray ancien = Coupures::log(20);
    QStringList logs, attendus;
    for (const auto& c : cas) {
        if (::geteuid() != 0 && QString(c.dossier) == "partage") continue;  // needs root to be made
        QDir(d.path()).mkdir(c.dossier);
        const QString log = d.filePath(c.dossier) + "/F5XYZ_DCF.log";
        ecrireFichier(log, ancien);
        droits(log, c.modeLog);
        droits(d.filePath(c.dossier), c.modeDossier);
        logs << log;
        attendus << (c.modeLog == 0444 ? "Le fichier " + log + " est en lecture seule, le log n'a pas été modifié"
                                       : "Erreur d'écriture du fichier " + log + ", le log n'a pas été modifié");
    }
    EXPECT_EQ(commeUnAutre([&] {
                  QStringList r;
                  for (const QString& log : logs) {
                      Carnet c;
                      c.ouvrir(log);
                      r << c.ajouterEnFin(Coupures::qso(5000)).message;
                  }
                  return r.join('\n');
              }),
              attendus.join('\n'));
    for (const QString& log : logs) {
        EXPECT_TRUE(lireFichier(log) == ancien && QFileInfo(log).ownerId() == ::geteuid() &&
                    QDir(QFileInfo(log).path()).entryList({"Temporaire*"}, QDir::AllEntries).isEmpty())
            << log.toStdString();
        droits(QFileInfo(log).path(), 0755);
    }
}
