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

using Lignes = QList<QByteArray>;

QByteArray stockee(const Qso& q) { return TextFile::encode(LigneQso::format(q)); }
Lignes lignes(const QByteArray& log) {
    Lignes l = log.split('\n');
    l.removeLast();
    for (QByteArray& x : l) x.chop(1);
    return l;
}
QByteArray joindre(const Lignes& l) {
    QByteArray out;
    for (const QByteArray& x : l) out += x + "\r\n";
    return out;
}
QByteArray heure(const QByteArray& l) { return LigneQso::champ(l, LigneQso::Champ::Heure).toByteArray(); }
// Every line of these logs is of the same day: a dated line goes before the
// first one at or after its time.
qsizetype place(const Lignes& l, const QByteArray& nouvelle) {
    for (qsizetype i = 0; i < l.size(); ++i)
        if (heure(l[i]) >= heure(nouvelle)) return i;
    return l.size();
}

// One change: what the child needs to make it, and the log it starts from,
// holds when the kill window opens and holds once the change is written,
// each worked out here without the log object.
struct Changement {
    Ecrivain ecrivain = Ecrivain::AjouterEnFin;
    QList<Qso> qsos;          // added, or the replacing one
    QString affichee;         // the list line replaced or deleted
    QList<qsizetype> lignes;  // to confirm
    QByteArray octets;        // restored
    QByteArray depart, avant, apres;
    Sauvegardes::Lieu lieu;
    QDateTime quand;
};

Changement preparer(Ecrivain e, const QByteArray& depart, const QString& dossier) {
    Changement c;
    c.ecrivain = e;
    c.depart = c.avant = depart;
    Lignes l = lignes(depart);
    const qsizetype n = l.size();
    const auto nouveau = [](qsizetype i, const char* indicatif) {
        Qso q = qso(int(i));
        q.indicatif = QString::fromLatin1(indicatif);
        q.prenom = QStringLiteral("PAUL");
        return q;
    };
    const auto affichee = [&](qsizetype i) { return LigneQso::affichage(TextFile::decode(l[i]), int(i + 1)); };
    switch (e) {
        case Ecrivain::AjouterEnFin:
            c.qsos = {nouveau(n / 2, "F8NEW")};
            l.append(stockee(c.qsos[0]));
            break;
        case Ecrivain::InsererParDate: {
            c.qsos = {nouveau(n / 2, "F8NEW")};
            const QByteArray s = stockee(c.qsos[0]);
            l.insert(place(l, s), s);
            break;
        }
        case Ecrivain::Remplacer:
            c.affichee = affichee(n / 3);
            c.qsos = {nouveau(n / 3, "F8NEW")};
            l[n / 3] = stockee(c.qsos[0]);
            break;
        case Ecrivain::Supprimer:
        case Ecrivain::Annuler:
            c.affichee = affichee(n / 3);
            l.removeAt(n / 3);
            break;
        case Ecrivain::InsererLot: {
            c.qsos = {nouveau(3 * n / 4, "F8NEA"), nouveau(n / 4, "F8NEB"), nouveau(n / 2, "F8NEC")};
            QList<std::pair<qsizetype, QByteArray>> ajouts;
            for (const Qso& q : c.qsos) ajouts.append({place(l, stockee(q)), stockee(q)});
            // From the end, the later first where two go before the same line.
            std::sort(ajouts.begin(), ajouts.end(), [](const auto& a, const auto& b) {
                return a.first != b.first ? a.first > b.first : heure(a.second) > heure(b.second);
            });
            for (const auto& [i, s] : ajouts) l.insert(i, s);
            break;
        }
        case Ecrivain::Confirmer:
            c.lignes = {0, n / 2, n - 1};
            for (qsizetype i : c.lignes) l[i][LigneQso::position(LigneQso::Champ::Qsl).stockee] = '*';
            break;
        case Ecrivain::Restaurer:
            l = l.mid(n / 2);
            c.octets = joindre(l);
            break;
        case Ecrivain::Sauvegarder:
            c.lieu = {dossier + QStringLiteral("/Sauvegardes"),
                      true,
                      QStringLiteral("F5XYZ"),
                      {dossier + QStringLiteral("/Liste_Prenom.txt")}};
            break;
    }
    c.apres = joindre(l);
    if (e == Ecrivain::Annuler) std::swap(c.avant, c.apres);  // killed while the deleted line comes back
    return c;
}

bool changer(Carnet& carnet, const Changement& c) {
    switch (c.ecrivain) {
        case Ecrivain::AjouterEnFin: return carnet.ajouterEnFin(c.qsos[0]).fait();
        case Ecrivain::InsererParDate: return carnet.insererParDate(c.qsos[0]).fait();
        case Ecrivain::Remplacer: return carnet.remplacer(c.affichee, c.qsos[0]).fait();
        case Ecrivain::Supprimer: return carnet.supprimer(c.affichee).fait();
        case Ecrivain::InsererLot: return carnet.insererLot(c.qsos).fait();
        case Ecrivain::Confirmer: {
            FusionConfirmations::Plan plan;
            plan.lignes = c.lignes;
            return FusionConfirmations::appliquer(plan, carnet).fait();
        }
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
    Changement c = preparer(e, log(nombreQso), dossier);
    const bool sauvegarde = e == Ecrivain::Sauvegarder;
    const QByteArray prenoms = "JEAN\r\nPAUL\r\n";
    if (!TextFile::rewrite(chemin, c.depart) || !TextFile::rewrite(dossier + "/Liste_Prenom.txt", prenoms)) {
        b.echecs = 1;
        b.premierDefaut = QStringLiteral("le log de départ n'a pas pu être écrit");
        return b;
    }
    // What no finished change leaves: the atomic writer's temporary files
    // beside the log; in the backup folder, any file of no listed backup.
    const auto autreFichier = [&](const Sauvegardes::Copie& k) {
        return QFileInfo(k.chemin).path() + QLatin1Char('/') + QFileInfo(k.chemin).completeBaseName() +
               QStringLiteral("_Liste_Prenom.txt");
    };
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
        lancer(-1, &duree);
        plusCourt = std::min(plusCourt, duree);
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
            const QList<Sauvegardes::Copie> liste = Sauvegardes::lister(c.lieu.dossier, c.lieu.station);
            QStringList maintenant, neuves;
            bool entieres = true;
            for (const Sauvegardes::Copie& s : liste) {
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
