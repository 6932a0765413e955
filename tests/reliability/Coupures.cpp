#include "Coupures.h"

#include <sys/wait.h>
#include <unistd.h>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <chrono>
#include <csignal>
#include <limits>
#include <thread>

#include "core/journal/Carnet.h"
#include "core/journal/FichierAtomique.h"
#include "core/journal/TextFile.h"

namespace Coupures {

Qso qso(int n) {
    return {QStringLiteral("F%1").arg(n % 100000),
            "75",
            "JEAN",
            "DCF-001",
            "01/02/16",
            QString::asprintf("%02d:%02d", n / 60 % 24, n % 60),
            "SSB",
            "14 Mhz",
            "59",
            "59",
            "C. NOTRE-DAME",
            " "};
}

QByteArray log(int n) {
    QByteArray out;
    for (int i = 0; i < n; ++i) out += TextFile::encode(LigneQso::format(qso(i))) + "\r\n";
    return out;
}

namespace {

QByteArray lire(const QString& p) {
    QFile f(p);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
}

// One save in a child; the parent kills it after `delai` (never, when negative).
// Returns the child's wait status.
int sauverDansUnEnfant(const QString& chemin, const Qso& q, std::chrono::microseconds delai) {
    int tube[2];
    if (::pipe(tube) != 0) return -1;
    const pid_t pid = ::fork();
    if (pid == 0) {
        FichierAtomique::ignorerLimiteTaille();
        if (::write(tube[1], "x", 1) != 1) ::_exit(4);  // the parent's clock starts once we run
        Carnet carnet;
        carnet.ouvrir(chemin);
        ::_exit(carnet.ajouterEnFin(q).fait() ? 0 : 3);
    }
    ::close(tube[1]);
    char c;
    if (::read(tube[0], &c, 1) == 1 && delai.count() >= 0) {
        std::this_thread::sleep_for(delai);
        ::kill(pid, SIGKILL);
    }
    ::close(tube[0]);
    int etat = 0;
    ::waitpid(pid, &etat, 0);
    return etat;
}

QStringList temporaires(const QString& d) { return QDir(d).entryList({QStringLiteral("Temporaire-*")}, QDir::Files); }

}  // namespace

Bilan couper(const QString& dossier, int nombreQso, int coupures, std::mt19937& hasard) {
    Bilan b;
    const QString chemin = dossier + QStringLiteral("/F5XYZ_DCF.log");
    // Each save adds a QSO: a log near the cap starts low enough to end at it.
    b.qsoDepart = nombreQso = std::min(nombreQso, LigneQso::MaxQso - coupures - 3);
    QByteArray ancien = log(nombreQso);
    if (!TextFile::rewrite(chemin, ancien))
        return {.echecs = 1,
                .premierDefaut = QStringLiteral("le log de départ n'a pas pu être écrit"),
                .qsoDepart = nombreQso};
    int numero = nombreQso;
    // The quickest of three whole saves, timed from the child's start, sets
    // the window the kills fall in (a slow first run would waste kills).
    qint64 plusCourt = std::numeric_limits<qint64>::max();
    QElapsedTimer t;
    for (int i = 0; i < 3; ++i) {
        t.start();
        sauverDansUnEnfant(chemin, qso(numero++), std::chrono::microseconds(-1));
        plusCourt = std::min(plusCourt, t.nsecsElapsed() / 1000);
    }
    ancien = lire(chemin);
    b.dureeSauvegardeMs = double(plusCourt) / 1000.0;
    std::uniform_int_distribution<qint64> instant(0, plusCourt + plusCourt / 10);

    for (int k = 0; k < coupures; ++k) {
        const Qso q = qso(numero++);
        const QByteArray nouveau = ancien + TextFile::encode(LigneQso::format(Carnet::normaliser(q))) + "\r\n";
        const int avantTemp = int(temporaires(dossier).size());
        const int etat = sauverDansUnEnfant(chemin, q, std::chrono::microseconds(instant(hasard)));
        const QByteArray apres = lire(chemin);
        // Each round lands in one count; a bad one says what it saw. Status 0: the child ended well.
        const bool tue = WIFSIGNALED(etat), laisse = int(temporaires(dossier).size()) > avantTemp,
                   echec = !tue && etat != 0;
        int& compte = ++(echec                    ? b.echecs
                         : apres == nouveau       ? (tue ? b.nouveau : b.fini)
                         : apres == ancien && tue ? (laisse ? b.ancienTemporaire : b.ancien)
                                                  : b.corrompu);
        const QString defaut =
            echec ? QStringLiteral("la sauvegarde a échoué (état %1)").arg(etat)
            : &compte == &b.corrompu
                ? QStringLiteral("le log n'est ni l'ancien ni le nouveau (%1 octets)").arg(apres.size())
            : apres == nouveau && laisse ? QStringLiteral("un fichier temporaire reste après le renommage")
                                         : QString();
        if (!defaut.isEmpty() && b.premierDefaut.isEmpty())
            b.premierDefaut = QStringLiteral("coupure %1 : ").arg(k) + defaut;
        if (apres == nouveau) ancien = nouveau;
        // Leftovers stay a while, so that later saves run beside them; a
        // few are enough (each may be as large as the log). Then the next
        // start-up's cleanup must take them all.
        if (temporaires(dossier).size() > 3) {
            b.nettoyes += int(FichierAtomique::nettoyer(dossier).size());
            b.restes += int(temporaires(dossier).size());
            for (const QString& r : temporaires(dossier)) QFile::remove(dossier + QLatin1Char('/') + r);
        }
    }
    return b;
}

}  // namespace Coupures
