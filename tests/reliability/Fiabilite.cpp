#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <functional>
#include <grp.h>
#include <gtest/gtest.h>
#include <random>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "Coupures.h"
#include "core/journal/Carnet.h"
#include "core/journal/TextFile.h"
#include "core/saisie/Prenoms.h"
#include "core/saisie/Recherches.h"
#include "support/FenetreTest.h"

namespace {

QByteArray lire(const QString& p) {
    QFile f(p);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
}
void ecrire(const QString& p, const QByteArray& b) {
    QFile f(p);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(b);
}
QStringList temporaires(const QString& d) { return QDir(d).entryList({"Temporaire*"}, QDir::AllEntries); }
void droits(const QString& p, mode_t m) { ASSERT_EQ(::chmod(QFile::encodeName(p).constData(), m), 0); }
mode_t mode(const QString& p) {
    struct stat st {};
    ::stat(QFile::encodeName(p).constData(), &st);
    return st.st_mode & 07777;
}

// Runs f in a child process (as the user nobody when we are root, so that
// permissions apply) and returns what it answered, or how it died.
QString dansUnEnfant(bool autreUtilisateur, const std::function<QString()>& f) {
    int tube[2];
    if (::pipe(tube) != 0) return "<pipe>";
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(tube[0]);
        if (autreUtilisateur && ::geteuid() == 0 &&
            (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(5);
        const QByteArray r = f().toUtf8();
        if (::write(tube[1], r.constData(), size_t(r.size())) != r.size()) ::_exit(4);
        ::_exit(0);
    }
    ::close(tube[1]);
    QByteArray r;
    char buf[4096];
    for (ssize_t n; (n = ::read(tube[0], buf, sizeof buf)) > 0;) r.append(buf, n);
    ::close(tube[0]);
    int etat = 0;
    ::waitpid(pid, &etat, 0);
    if (WIFSIGNALED(etat)) return QString("<tué par le signal %1>").arg(WTERMSIG(etat));
    if (WEXITSTATUS(etat) != 0) return QString("<sorti avec %1>").arg(WEXITSTATUS(etat));
    return QString::fromUtf8(r);
}

QString sauver(const QString& chemin, int n = 5000) {
    Carnet c;
    c.ouvrir(chemin);
    return c.ajouterEnFin(Coupures::qso(n)).message;
}

}  // namespace

TEST(Coupures, AHundredKilledSavesLeaveTheOldOrTheNewLogAndLeftoversHarmNoSave) {
    QTemporaryDir d;
    const unsigned graine = std::random_device{}();
    std::mt19937 hasard(graine);
    const Coupures::Bilan b = Coupures::couper(d.path(), 200, 100, hasard);
    SCOPED_TRACE(QString("graine %1 : %2").arg(graine).arg(b.premierDefaut).toStdString());
    EXPECT_EQ(b.total(), 100);
    EXPECT_EQ(b.corrompu + b.echecs, 0);
    EXPECT_TRUE(b.premierDefaut.isEmpty());
    EXPECT_GT(b.ancien + b.ancienTemporaire, 0) << "no kill landed before the rename";
    // Whatever the kills left beside the log, the next save goes through.
    const QByteArray avant = lire(d.filePath("F5XYZ_DCF.log"));
    const qsizetype restes = temporaires(d.path()).size();
    EXPECT_EQ(sauver(d.filePath("F5XYZ_DCF.log")), "");
    EXPECT_EQ(lire(d.filePath("F5XYZ_DCF.log")).size(), avant.size() + LigneQso::Longueur + 2);
    EXPECT_EQ(temporaires(d.path()).size(), restes);
}

TEST(EcrituresImpossibles, AFullDiskAReadOnlyLogAndALinkedLog) {
    QTemporaryDir d;
    const QString log = d.filePath("F5XYZ_DCF.log");
    const QByteArray ancien = Coupures::log(50);
    ecrire(log, ancien);

    // The file size limit stops the temporary file short: EFBIG, not SIGXFSZ.
    const QString limite = dansUnEnfant(false, [&] {
        TextFile::ignorerLimiteTaille();
        const rlimit r{rlim_t(ancien.size() + 20), RLIM_INFINITY};
        ::setrlimit(RLIMIT_FSIZE, &r);
        return sauver(log);
    });
    EXPECT_EQ(limite, Carnet::messageEcriture(log));
    EXPECT_EQ(lire(log), ancien);
    EXPECT_EQ(temporaires(d.path()), QStringList());

    droits(log, 0444);
    EXPECT_EQ(sauver(log), "Le fichier " + log + " est en lecture seule, le log n'a pas été modifié");
    EXPECT_EQ(lire(log), ancien);
    EXPECT_EQ(mode(log), 0444u);
    droits(log, 0640);

    // A log kept elsewhere through a link: written there, the link stays.
    QDir(d.path()).mkdir("ailleurs");
    ASSERT_TRUE(QFile::rename(log, d.filePath("ailleurs/vrai.log")));
    ASSERT_TRUE(QFile::link(d.filePath("ailleurs/vrai.log"), log));
    EXPECT_EQ(sauver(log), "");
    EXPECT_TRUE(QFileInfo(log).isSymLink());
    EXPECT_EQ(lire(d.filePath("ailleurs/vrai.log")).size(), ancien.size() + LigneQso::Longueur + 2);
    EXPECT_EQ(mode(d.filePath("ailleurs/vrai.log")), 0640u);
}

// A folder we may not write, and a log of another user in a folder we may:
// refused, and the log stays as it was and whose it was.
TEST(EcrituresImpossibles, AReadOnlyFolderAndAnotherUsersLog) {
    QTemporaryDir d;
    droits(d.path(), 0755);
    const QByteArray ancien = Coupures::log(20);
    QDir(d.path()).mkdir("lecture");
    QDir(d.path()).mkdir("partage");
    const QString protege = d.filePath("lecture/F5XYZ_DCF.log"), autre = d.filePath("partage/F5XYZ_DCF.log");
    ecrire(protege, ancien);
    ecrire(autre, ancien);
    droits(protege, 0666);
    droits(autre, 0666);
    droits(d.filePath("lecture"), 0555);
    droits(d.filePath("partage"), 01777);
    const bool root = ::geteuid() == 0;
    const QString r = dansUnEnfant(true, [&] { return sauver(protege) + '\n' + (root ? sauver(autre) : QString()); });
    EXPECT_EQ(r, Carnet::messageEcriture(protege) + '\n' + (root ? Carnet::messageEcriture(autre) : QString()));
    EXPECT_EQ(lire(protege), ancien);
    EXPECT_EQ(lire(autre), ancien);
    EXPECT_EQ(QFileInfo(autre).ownerId(), ::geteuid());
    EXPECT_EQ(temporaires(d.filePath("partage")), QStringList());
    droits(d.filePath("lecture"), 0755);
    if (!root) GTEST_SKIP() << "another user's log needs root to be made";
}

TEST(LecteursIndulgents, DamagedFirstNamesAndListsNeverFillAValueTheSaveRefuses) {
    QTemporaryDir d;
    const QString prenoms = d.filePath("Liste_Prenom.txt"), liste = d.filePath("Liste_DCF.csv");
    ecrire(prenoms, "F6ABC        75 " + QByteArray(200000, 'a') + "\r\nF6DEF        75 je\x81" "an\x8D\x09\r\n" +
                         "F6GHI        75 " + QByteArray(15, '\xDF') + "\r\n");
    ecrire(liste, "Rev 003 du 10/09/15;;;;\r\nDCF-001;Bour\x81ges;750;Saint\x8D-Etienne;\r\nDCF-002;" +
                      QByteArray(200000, 'x') + ";18\x9D;Notre-Dame;\r\n");
    const Prenoms::Trouve long_ = Prenoms::chercher(prenoms, "F6ABC");
    EXPECT_EQ(long_.prenom, QString(15, 'A'));
    EXPECT_EQ(Prenoms::chercher(prenoms, "F6DEF").prenom, "JEAN");
    EXPECT_EQ(Prenoms::chercher(prenoms, "F6GHI").prenom, QString(15, 'S'));  // found by fuzzing
    const Recherches::Cathedrale a = Recherches::Cherche_Ref_Liste(liste, "DCF-001");
    EXPECT_EQ(a.nom, QString::fromUtf8("C. Saint-Etienne à Bourges"));
    EXPECT_EQ(a.dpt, "75");
    const Recherches::Cathedrale b = Recherches::Cherche_Ref_Liste(liste, "DCF-002");
    EXPECT_EQ(b.nom.left(30), "C. de " + QString(24, 'x'));
    EXPECT_EQ(b.dpt, "18");
    // What the entry fills from them saves.
    Carnet c;
    for (const Recherches::Cathedrale& x : {a, b}) {
        Qso q = Coupures::qso(1);
        q.prenom = long_.prenom;
        q.dpt = x.dpt;
        q.nom = x.nom.left(30);
        EXPECT_TRUE(c.verifier(Carnet::normaliser(q), true).fait()) << c.verifier(Carnet::normaliser(q), true).message.toStdString();
    }
}

namespace {
class FenetreFiabilite : public FenetreTest {
protected:
    void saisir() {
        env.station("F5XYZ", {});
        env.writeFile("Liste_DCF.csv", "Rev 003 du 10/09/15;;;;\r\nDCF-001;Bourges;18;Saint-Etienne;\r\n");
        env.clock.utc = QDateTime(QDate(2026, 12, 6), QTime(10, 32), Qt::UTC);
        ouvrir();
        for (const char* champ : {"Ind_A", "Prenom_A", "Ref_A", "Dpt_A"})
            entree(c(champ), QString(champ) == "Ind_A" ? "f6abc" : QString(champ) == "Ref_A" ? "dcf-001" : QString());
        entree(c<QComboBox>("Mode_A"));
        for (const char* champ : {"RST_A", "RSTE_A", "Rem_A"}) entree(c(champ));
        entree(c<QCheckBox>("QSL_A"));
        ASSERT_TRUE(c<QPushButton>("Valide_A")->isEnabled());
    }
};
}  // namespace

// The operator's road when the log cannot be written: one message, the log
// as it was, and the typed QSO still in the form to save again later.
TEST_F(FenetreFiabilite, AReadOnlyLogOrAFullDiskKeepsTheTypedQso) {
    ASSERT_NO_FATAL_FAILURE(saisir());
    const QString log = env.ctx.logPath();
    const QByteArray avant = lire(log);
    droits(log, 0444);
    env.dialogs.notices.clear();
    c<QPushButton>("Valide_A")->click();
    EXPECT_EQ(env.dialogs.notices, QStringList{"Le fichier " + QDir::toNativeSeparators(log) +
                                               " est en lecture seule, le log n'a pas été modifié"});
    EXPECT_EQ(lire(log), avant);
    EXPECT_EQ(c("Ind_A")->text(), "F6ABC");
    EXPECT_EQ(c("Ref_A")->text(), "DCF-001");

    droits(log, 0644);
    TextFile::ignorerLimiteTaille();
    rlimit ancienne;
    ::getrlimit(RLIMIT_FSIZE, &ancienne);
    const rlimit pleine{0, ancienne.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &pleine);
    env.dialogs.notices.clear();
    c<QPushButton>("Valide_A")->click();
    ::setrlimit(RLIMIT_FSIZE, &ancienne);
    EXPECT_TRUE(env.dialogs.notices.contains(Carnet::messageEcriture(log))) << env.dialogs.notices.join('|').toStdString();
    EXPECT_EQ(lire(log), avant);
    EXPECT_EQ(c("Ind_A")->text(), "F6ABC");
    EXPECT_TRUE(c<QPushButton>("Valide_A")->isEnabled());
}
