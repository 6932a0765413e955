#pragma once
#include <QByteArray>
#include <QString>
#include <random>

#include "core/journal/LigneQso.h"

// Changes killed at random instants: a child process makes one change
// through the real Carnet (or one backup through Sauvegardes) and is sent
// SIGKILL somewhere between its start and a little after its whole run.
namespace Coupures {

// Every writer of the log, and the backup. Annuler: the child deletes a line
// and is killed while it puts it back.
enum class Ecrivain {
    AjouterEnFin,
    InsererParDate,
    Remplacer,
    Supprimer,
    InsererLot,
    Confirmer,
    Annuler,
    Restaurer,
    Sauvegarder
};
inline constexpr Ecrivain Ecrivains[] = {Ecrivain::AjouterEnFin, Ecrivain::InsererParDate, Ecrivain::Remplacer,
                                         Ecrivain::Supprimer,    Ecrivain::InsererLot,     Ecrivain::Confirmer,
                                         Ecrivain::Annuler,      Ecrivain::Restaurer,      Ecrivain::Sauvegarder};
const char* nom(Ecrivain e);

struct Bilan {
    int ancien = 0;            // old content (no new backup), nothing left beside it
    int ancienTemporaire = 0;  // old content, a leftover beside it (killed while writing)
    int nouveau = 0;           // new content (a new complete backup), killed after the rename
    int fini = 0;              // the change ended before the kill
    int corrompu = 0;          // anything else, or a backup listed incomplete: must stay 0
    int echecs = 0;            // a change that said it failed: must stay 0
    int laisses = 0;           // leftover files the kills left
    int nettoyes = 0;          // leftovers the start-up cleanup removed
    int restes = 0;            // leftovers it did not remove: must stay 0
    QString premierDefaut;     // what the first bad round saw
    double dureeSauvegardeMs = 0;
    int qsoDepart = 0;  // the log's size before the change
    int total() const { return ancien + ancienTemporaire + nouveau + fini + corrompu + echecs; }
};

Qso qso(int n);
// A clean log of n QSOs.
QByteArray log(int n);
// Writes a log of nombreQso to dossier/F5XYZ_DCF.log (fewer when the change
// adds QSOs: it holds at most 99,999 before and after), then kills
// `coupures` runs of the writer, each from that log.
Bilan couper(const QString& dossier, Ecrivain e, int nombreQso, int coupures, std::mt19937& hasard);

}  // namespace Coupures
