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
#include "core/journal/FichierAtomique.h"

namespace {

QByteArray lire(const QString& p) {
    QFile f(p);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
}
QStringList temporaires(const QString& d) { return QDir(d).entryList({"Temporaire*"}, QDir::AllEntries); }
void droits(const QString& p, mode_t m) { ASSERT_EQ(::chmod(QFile::encodeName(p).constData(), m), 0); }

QString sauver(const QString& chemin) {
    Carnet c;
    c.ouvrir(chemin);
    return c.ajouterEnFin(Coupures::qso(5000)).message;
}

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

TEST(Coupures, AHundredKilledSavesLeaveTheOldOrTheNewLogAndLeftoversHarmNoSave) {
    QTemporaryDir d;
    const unsigned graine = std::random_device{}();
    std::mt19937 hasard(graine);
    const Coupures::Bilan b = Coupures::couper(d.path(), 200, 100, hasard);
    SCOPED_TRACE(QString("graine %1 : %2").arg(graine).arg(b.premierDefaut).toStdString());
    EXPECT_EQ(QString("%1 sauvegardes, %2 corrompues ou en échec%3")
                  .arg(b.total())
                  .arg(b.corrompu + b.echecs)
                  .arg(b.premierDefaut)
                  .toStdString(),
              "100 sauvegardes, 0 corrompues ou en échec");  // the first bad round, if any, at the end
    EXPECT_GT(b.ancien + b.ancienTemporaire, 0) << "no kill landed before the rename";
    // Whatever the kills left beside the log, the next save goes through.
    const QString log = d.filePath("F5XYZ_DCF.log");
    const QByteArray avant = lire(log);
    const QStringList restes = temporaires(d.path());
    EXPECT_TRUE(sauver(log).isEmpty() && lire(log).size() == avant.size() + LigneQso::Longueur + 2 &&
                temporaires(d.path()) == restes);
    // The next start-up removes every leftover of a killed save.
    const int nettoyes = b.nettoyes + int(FichierAtomique::nettoyer(d.path()).size());
    EXPECT_TRUE(b.restes == 0 && temporaires(d.path()).isEmpty()) << b.restes;
    EXPECT_EQ(nettoyes, b.ancienTemporaire);
}

// A log without write bit, a folder we may not write, another user's log in a
// folder we may write: each save is refused with its message, and the log
// stays byte for byte as it was, and whose it was.
TEST(EcrituresImpossibles, RefusedAndTheLogAsItWas) {
    QTemporaryDir d;
    droits(d.path(), 0755);
    const struct {
        const char* dossier;
        mode_t modeDossier, modeLog;
        bool lectureSeule;
    } cas[] = {{"lecture", 01777, 0444, true}, {"protege", 0555, 0666, false}, {"partage", 01777, 0666, false}};
    const QByteArray ancien = Coupures::log(20);
    QStringList logs, attendus;
    for (const auto& c : cas) {
        if (::geteuid() != 0 && QString(c.dossier) == "partage") continue;  // needs root to be made
        QDir(d.path()).mkdir(c.dossier);
        const QString log = d.filePath(c.dossier) + "/F5XYZ_DCF.log";
        QFile f(log);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(ancien) == ancien.size() && f.flush());
        droits(log, c.modeLog);
        droits(d.filePath(c.dossier), c.modeDossier);
        logs << log;
        attendus << (c.lectureSeule ? "Le fichier " + log + " est en lecture seule, le log n'a pas été modifié"
                                    : "Erreur d'écriture du fichier " + log + ", le log n'a pas été modifié");
    }
    EXPECT_EQ(commeUnAutre([&] {
                  QStringList r;
                  for (const QString& log : logs) r << sauver(log);
                  return r.join('\n');
              }),
              attendus.join('\n'));
    for (const QString& log : logs) {
        EXPECT_TRUE(lire(log) == ancien && QFileInfo(log).ownerId() == ::geteuid() &&
                    temporaires(QFileInfo(log).path()).isEmpty())
            << log.toStdString();
        droits(QFileInfo(log).path(), 0755);
    }
}
