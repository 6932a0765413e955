#include "Coupures.h"

#include <sys/wait.h>
#include <unistd.h>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <chrono>
#include <csignal>
#include <limits>
#include <thread>

#include "core/adif/FusionConfirmations.h"
#include "core/journal/Carnet.h"
#include "core/journal/FichierAtomique.h"
#include "core/journal/TextFile.h"
#include "core/sauvegarde/Sauvegardes.h"
#include "support/Journal.h"

namespace Coupures {

const char* nom(Ecrivain e) {
    static const char* const noms[] = {"ajouterEnFin", "insererParDate", "remplacer", "supprimer",  "insererLot",
                                       "confirmer",    "annuler",        "restaurer", "sauvegarder"};
    return noms[int(e)];
}

Qso qso(int n) {
    const QString indicatif = QStringLiteral("F%1").arg(n % 100000);
    const QString heure = QString::asprintf("%02d:%02d", n / 60 % 24, n % 60);
    return {indicatif, "75", "JEAN", "DCF-001", "01/02/16", heure, "SSB", "14 Mhz", "59", "59", "C. NOTRE-DAME", " "};
}

QByteArray log(int n) {
    QByteArray out;
    for (int i = 0; i < n; ++i) out += TextFile::encode(LigneQso::format(qso(i))) + "\r\n";
    return out;
}

namespace {

// One change: what the child needs to make it, the log it starts from and
// the one it holds when the kill window opens. What it holds once written is
// what a whole run leaves: the writers' own tests check that content.
struct Changement {
    Ecrivain ecrivain = Ecrivain::AjouterEnFin;
    QList<Qso> qsos;                          // added, or the replacing one
    QString affichee;                         // the list line replaced or deleted
    FusionConfirmations::Plan confirmations;  // its lines to confirm
    QByteArray octets;                        // restored
    QByteArray depart, avant, apres;
    Sauvegardes::Lieu lieu;
    QDateTime quand;
};

Changement preparer(Ecrivain e, int n, const QString& dossier) {
    Changement c;
    c.ecrivain = e;
    c.depart = c.avant = log(n);
    const auto nouveau = [](int i, const char* indicatif) {
        Qso q = qso(i);
        q.indicatif = QString::fromLatin1(indicatif);
        q.prenom = QStringLiteral("PAUL");
        return q;
    };
    // Each writer takes what it needs. Line i of the log is qso(i), each
    // line as long as the next.
    const qsizetype ligne = LigneQso::Longueur + 2;
    c.affichee = LigneQso::affichage(LigneQso::format(qso(n / 3)), n / 3 + 1);
    c.qsos = {nouveau(e == Ecrivain::Remplacer ? n / 3 : n / 2, "F8NEW")};
    if (e == Ecrivain::InsererLot)
        c.qsos = {nouveau(3 * n / 4, "F8NEA"), nouveau(n / 4, "F8NEB"), nouveau(n / 2, "F8NEC")};
    c.confirmations.lignes = {0, n / 2, n - 1};
    c.octets = c.depart.mid(n / 2 * ligne);
    c.lieu = {dossier + "/Sauvegardes", true, "F5XYZ", {dossier + "/Liste_Prenom.txt"}};
    // Undo: killed while the deleted line comes back.
    if (e == Ecrivain::Annuler) c.avant.remove(n / 3 * ligne, ligne);
    return c;
}

bool changer(Carnet& carnet, const Changement& c) {
    switch (c.ecrivain) {
        case Ecrivain::AjouterEnFin: return carnet.ajouterEnFin(c.qsos[0]).fait();
        case Ecrivain::InsererParDate: return carnet.insererParDate(c.qsos[0]).fait();
        case Ecrivain::Remplacer: return carnet.remplacer(c.affichee, c.qsos[0]).fait();
        case Ecrivain::Supprimer: return carnet.supprimer(c.affichee).fait();
        case Ecrivain::InsererLot: return carnet.insererLot(c.qsos).fait();
        case Ecrivain::Confirmer: return FusionConfirmations::appliquer(c.confirmations, carnet).fait();
        case Ecrivain::Annuler: return carnet.annuler().fait();
        case Ecrivain::Restaurer: return carnet.restaurer(c.octets, QStringLiteral("restauration")).fait();
        case Ecrivain::Sauvegarder: return Sauvegardes::sauvegarder(c.lieu, carnet.octets(), c.quand).isEmpty();
    }
    return false;
}

// One change in a child; the parent kills it `delai` after it began (never,
// when negative). Returns the child's wait status; *duree gets the time from
// its start to its end, in microseconds.
int changerDansUnEnfant(const QString& chemin, const Changement& c, std::chrono::microseconds delai,
                        qint64* duree = nullptr) {
    int tube[2];
    if (::pipe(tube) != 0) return -1;
    const pid_t pid = ::fork();
    if (pid == 0) {
        FichierAtomique::ignorerLimiteTaille();
        Carnet carnet;
        // An undo needs a change of this session: that one is not timed.
        if (c.ecrivain == Ecrivain::Annuler && !(carnet.ouvrir(chemin) && carnet.supprimer(c.affichee).fait()))
            ::_exit(5);
        if (::write(tube[1], "x", 1) != 1) ::_exit(4);  // the parent's clock starts once we run
        if (c.ecrivain != Ecrivain::Annuler) carnet.ouvrir(chemin);
        ::_exit(changer(carnet, c) ? 0 : 3);
    }
    ::close(tube[1]);
    char x;
    QElapsedTimer t;
    t.start();
    if (::read(tube[0], &x, 1) == 1 && delai.count() >= 0) {
        t.start();
        std::this_thread::sleep_for(delai);
        ::kill(pid, SIGKILL);
    }
    ::close(tube[0]);
    int etat = 0;
    ::waitpid(pid, &etat, 0);
    if (duree) *duree = t.nsecsElapsed() / 1000;
    return etat;
}

}  // namespace

Bilan couper(const QString& dossier, Ecrivain e, int nombreQso, int coupures, std::mt19937& hasard) {
    Bilan b;
    const QString chemin = dossier + QStringLiteral("/F5XYZ_DCF.log");
    const int ajoutes = e == Ecrivain::InsererLot                                      ? 3
                        : e == Ecrivain::AjouterEnFin || e == Ecrivain::InsererParDate ? 1
                                                                                       : 0;
    b.qsoDepart = nombreQso = std::min(nombreQso, LigneQso::MaxQso - ajoutes);
    Changement c = preparer(e, nombreQso, dossier);
    const bool sauvegarde = e == Ecrivain::Sauvegarder;
    const QByteArray prenoms = "JEAN\r\nPAUL\r\n";
    if (!TextFile::rewrite(chemin, c.depart) || !TextFile::rewrite(dossier + "/Liste_Prenom.txt", prenoms)) {
        b.premierDefaut = QStringLiteral("le log de départ n'a pas pu être écrit");
        return b;
    }
    // What no finished change leaves: the atomic writer's temporary files
    // beside the log; in the backup folder, any file of no listed backup.
    const auto autreFichier = [](const Sauvegardes::Copie& k) { return k.chemin.chopped(4) + "_Liste_Prenom.txt"; };
    const auto restes = [&] {
        if (!sauvegarde) return QDir(dossier).entryList({QStringLiteral("Temporaire-*")}, QDir::Files);
        QStringList r;
        for (const QFileInfo& f : QDir(c.lieu.dossier).entryInfoList(QDir::Files)) r << f.filePath();
        for (const Sauvegardes::Copie& k : Sauvegardes::lister(c.lieu.dossier, c.lieu.station))
            r.removeAll(k.chemin), r.removeAll(autreFichier(k));
        return r;
    };
    const auto nettoyer = [&] {
        b.nettoyes +=
            int(sauvegarde ? Sauvegardes::nettoyer(c.lieu.dossier).size() : FichierAtomique::nettoyer(dossier).size());
        b.restes += int(restes().size());
        for (const QString& r : restes()) QFile::remove(QDir(dossier).filePath(r));
    };
    QDateTime quand(QDate(2026, 12, 7), QTime(9, 30));
    const auto lancer = [&](qint64 delai, qint64* duree = nullptr) {
        c.quand = quand = quand.addSecs(1);
        return changerDansUnEnfant(chemin, c, std::chrono::microseconds(delai), duree);
    };
    // The quickest whole change, timed from the child's start, sets the
    // window the kills fall in: three first, then every one the kill came
    // too late for (the machine's load makes a slow run; it would waste kills).
    qint64 plusCourt = std::numeric_limits<qint64>::max();
    for (int i = 0; i < 3; ++i) {
        qint64 duree = 0;
        if (lancer(-1, &duree) != 0 && b.premierDefaut.isEmpty())
            b.premierDefaut = QStringLiteral("un changement non coupé a échoué");
        plusCourt = std::min(plusCourt, duree);
        if (i == 0) c.apres = lireFichier(chemin);
        if (!sauvegarde && c.apres == c.avant) b.premierDefaut = QStringLiteral("le changement n'a rien écrit");
        if (lireFichier(chemin) != c.depart) TextFile::rewrite(chemin, c.depart);
    }
    QStringList copies;
    for (const Sauvegardes::Copie& k : Sauvegardes::lister(c.lieu.dossier, c.lieu.station)) copies << k.chemin;

    for (int k = 0; k < coupures; ++k) {
        const qsizetype avant = restes().size();
        qint64 duree = 0;
        const int etat = lancer(std::uniform_int_distribution<qint64>(0, plusCourt + plusCourt / 10)(hasard), &duree);
        if (etat == 0) plusCourt = std::min(plusCourt, duree);
        const qsizetype laisses = restes().size() - avant;
        b.laisses += int(std::max<qsizetype>(laisses, 0));
        const QByteArray apres = lireFichier(chemin);
        bool ancien = apres == c.avant, nouveau = apres == c.apres;
        QString vu = QStringLiteral("le log n'est ni l'ancien ni le nouveau (%1 octets)").arg(apres.size());
        if (sauvegarde) {
            // Old: the same backups; new: one more, whole, the retention
            // perhaps past. Every listed backup has its other file.
            QStringList maintenant, neuves;
            bool entieres = true;
            for (const Sauvegardes::Copie& s : Sauvegardes::lister(c.lieu.dossier, c.lieu.station)) {
                maintenant << s.chemin;
                entieres = entieres && QFileInfo::exists(autreFichier(s));
                if (copies.contains(s.chemin)) continue;
                neuves << s.chemin;
                entieres = entieres && lireFichier(s.chemin) == c.depart && lireFichier(autreFichier(s)) == prenoms;
            }
            ancien = entieres && maintenant == copies;
            nouveau = entieres && neuves.size() == 1;
            vu = QStringLiteral("sauvegardes listées : %1, avant : %2").arg(maintenant.join(' '), copies.join(' '));
            copies = maintenant;
        }
        // Each round lands in one count; a bad one says what it saw. Status 0: the child ended well.
        const bool tue = WIFSIGNALED(etat), laisse = laisses > 0, echec = !tue && etat != 0;
        int& compte = ++(echec           ? b.echecs
                         : nouveau       ? (tue ? b.nouveau : b.fini)
                         : ancien && tue ? (laisse ? b.ancienTemporaire : b.ancien)
                                         : b.corrompu);
        const QString defaut = echec ? QStringLiteral("le changement a échoué (état %1)").arg(etat)
                               : &compte == &b.corrompu ? vu
                               : nouveau && laisse && !sauvegarde
                                   ? QStringLiteral("un fichier temporaire reste après le renommage")
                                   : QString();
        if (!defaut.isEmpty() && b.premierDefaut.isEmpty())
            b.premierDefaut = QStringLiteral("coupure %1 : ").arg(k) + defaut;
        if (apres != c.depart) TextFile::rewrite(chemin, c.depart);
        // Leftovers stay a while, so that later changes run beside them; a
        // few are enough (each may be as large as the log). Then the next
        // start-up's cleanup must take them all.
        if (restes().size() > 3) nettoyer();
    }
    nettoyer();
    b.dureeSauvegardeMs = double(plusCourt) / 1000.0;
    return b;
}

}  // namespace Coupures
