// The long run of the killed saves: vitralog_stress DOSSIER QSO COUPURES [GRAINE]
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>
#include <random>

#include "Coupures.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: vitralog_stress QSO COUPURES [GRAINE]\n");
        return 2;
    }
    const int qso = std::atoi(argv[1]), coupures = std::atoi(argv[2]);
    const unsigned graine = argc > 3 ? unsigned(std::strtoul(argv[3], nullptr, 10)) : std::random_device{}();
    QTemporaryDir dossier;
    std::mt19937 hasard(graine);
    QElapsedTimer t;
    t.start();
    const Coupures::Bilan b = Coupures::couper(dossier.path(), qso, coupures, hasard);
    std::printf(
        "| %6d QSO | %5d coupures | graine %10u | sauvegarde %8.1f ms | ancien %4d | ancien + temporaire %4d "
        "| nouveau %4d | fini avant %4d | corrompu %d | échec %d | %6.1f s |\n",
        b.qsoDepart, b.total(), graine, b.dureeSauvegardeMs, b.ancien, b.ancienTemporaire, b.nouveau, b.fini,
        b.corrompu, b.echecs, double(t.elapsed()) / 1000.0);
    if (!b.premierDefaut.isEmpty()) std::printf("DÉFAUT : %s\n", qPrintable(b.premierDefaut));
    return b.corrompu == 0 && b.echecs == 0 && b.premierDefaut.isEmpty() ? 0 : 1;
}
