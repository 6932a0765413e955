#pragma once
#include <QByteArray>
#include <QString>
#include <random>

#include "core/journal/LigneQso.h"

// Saves killed at random instants: a child process saves one QSO through
// the real Carnet and is sent SIGKILL somewhere between reading the log and
// the end of the rename.
namespace Coupures {

struct Bilan {
    int ancien = 0;            // old content, no temporary file left
    int ancienTemporaire = 0;  // old content, a temporary file left (killed while writing it)
    int nouveau = 0;           // new content, killed after the rename
    int fini = 0;              // the save ended before the kill
    int corrompu = 0;          // anything else: must stay 0
    int echecs = 0;            // a save that said it failed: must stay 0
    int nettoyes = 0;          // leftovers the start-up cleanup removed
    int restes = 0;            // leftovers it did not remove: must stay 0
    QString premierDefaut;     // what the first bad round saw
    double dureeSauvegardeMs = 0;
    int qsoDepart = 0;  // the log's size before the first save
    int total() const { return ancien + ancienTemporaire + nouveau + fini + corrompu + echecs; }
};

Qso qso(int n);
// A clean log of n QSOs.
QByteArray log(int n);
// Writes log(nombreQso) to dossier/F5XYZ_DCF.log (fewer when the saves would
// pass the 99,999 cap), then kills `coupures` saves.
Bilan couper(const QString& dossier, int nombreQso, int coupures, std::mt19937& hasard);

}  // namespace Coupures
