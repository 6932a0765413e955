// The long run of the killed changes: vitralog_stress QSO COUPURES [GRAINE [ECRIVAIN]],
// one table row per writer (every one unless named).
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>
#include <cstring>
#include <random>

#include "Coupures.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: vitralog_stress QSO COUPURES [GRAINE [ECRIVAIN]]\n");
        return 2;
    }
    const int qso = std::atoi(argv[1]), coupures = std::atoi(argv[2]);
    const unsigned graine = argc > 3 ? unsigned(std::strtoul(argv[3], nullptr, 10)) : std::random_device{}();
    std::mt19937 hasard(graine);
    int code = 0;
    for (const Coupures::Ecrivain e : Coupures::Ecrivains) {
        if (argc > 4 && std::strcmp(argv[4], Coupures::nom(e)) != 0) continue;
        QTemporaryDir dossier;
        QElapsedTimer t;
        t.start();
        const Coupures::Bilan b = Coupures::couper(dossier.path(), e, qso, coupures, hasard);
        std::printf(
            "| %-14s | %6d QSO | %5d coupures | graine %10u | durée %8.1f ms | ancien %4d | ancien + reste %4d "
            "| nouveau %4d | fini avant %4d | corrompu %d | échec %d | restes nettoyés %3d/%3d | %6.1f s |\n",
            Coupures::nom(e), b.qsoDepart, b.total(), graine, b.dureeSauvegardeMs, b.ancien, b.ancienTemporaire,
            b.nouveau, b.fini, b.corrompu, b.echecs, b.nettoyes, b.laisses, double(t.elapsed()) / 1000.0);
        std::fflush(stdout);
        if (!b.premierDefaut.isEmpty()) std::printf("DÉFAUT : %s\n", qPrintable(b.premierDefaut));
        if (b.corrompu || b.echecs || !b.premierDefaut.isEmpty() || b.restes || b.nettoyes != b.laisses) code = 1;
    }
    return code;
}
