#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include "core/diplomes/Rapport.h"

#include "core/journal/Carnet.h"

namespace LecteurAdif {
class Fichier;
}

// QSLs received in bulk (an online service's report, an eQSL inbox, a card
// list typed as ADIF) merged into the log: each record is matched to the one
// logged QSO it confirms, which gains its "*". First a plan that writes
// nothing, then one rewrite of the log through Carnet::confirmer.
namespace FusionConfirmations {

// Minutes either side of the logged time: services round their times.
inline constexpr int Fenetre = 30;

// A confirming record that changes nothing, for the report.
struct Refus {
    qsizetype numero = 0;  // of the record in the file, from 1
    QString qso;           // what the record gives: callsign, band, mode, date, time, reference
    QString motif;
};

struct Plan {
    qsizetype enregistrements = 0;
    QList<qsizetype> lignes;            // log lines to confirm, ascending
    qsizetype nouvellesReferences = 0;  // references without a confirmed QSO until now
    qsizetype dejaConfirmes = 0;        // logged QSOs a record matches that hold "*" already
    qsizetype sansQso = 0;              // confirming records that match no logged QSO
    qsizetype ambigus = 0;              // confirming records that match two or more
    qsizetype sansConfirmation = 0;     // records that confirm nothing
    QList<Refus> refus;                 // the unmatched and ambiguous records, in the file's order
};

// Whether record i confirms its QSO: QSL_RCVD, LOTW_QSL_RCVD or EQSL_QSL_RCVD
// is "Y", or, in an eQSL inbox, QSL_SENT is "Y" (the other station sent it).
bool confirme(const LecteurAdif::Fichier& f, qsizetype i, bool boiteEqsl);
// An eQSL inbox names eQSL in its header.
bool boiteEqsl(const LecteurAdif::Fichier& f);

// Matches every confirming record to the log, indexed once by callsign and
// band: same callsign (any case, a trailing /P or /M as logged or not), same
// band, same mode group (SSB with USB, LSB and PHONE), date and time within
// Fenetre minutes, and the reference when SIG or SIG_INFO names one.
Plan preparer(const LecteurAdif::Fichier& f, const Carnet& log);

// Marks the plan's lines in one rewrite; nothing is written when there is
// none. The log must not have changed since the plan was made.
Carnet::Resultat appliquer(const Plan& plan, Carnet& log);

// The texts shown before and after.
QString apercu(const Plan& plan);
QString question(const Plan& plan);
QString bilan(const Plan& plan);
// One line per unmatched or ambiguous record, with the reason.
Rapport rapport(const Plan& plan);
// "<indicatif>_Confirmations.txt", in the data folder.
QString nomFichierRapport(const QString& indicatif);

}  // namespace FusionConfirmations
