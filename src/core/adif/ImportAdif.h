#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include "core/diplomes/Rapport.h"

#include "core/journal/Carnet.h"
#include "core/journal/LigneQso.h"

namespace LecteurAdif {
class Fichier;
}
namespace Bandes {
struct Bande;
}

// ADIF records brought into a station's log: first a plan (what would be
// imported, what is already there, what is refused and why), then one
// atomic rewrite of the log through Carnet::insererLot.
namespace ImportAdif {

struct Refus {
    qsizetype numero = 0;  // of the record in the file, from 1
    QString indicatif, ref, date, heure;
    QString motif;
};

struct Plan {
    qsizetype enregistrements = 0;
    qsizetype avecReference = 0;
    qsizetype presents = 0;  // same callsign, reference, band, date and time as a QSO of the log
    QList<Qso> qsos;         // to import, in the file's order, as the log will hold them
    QList<Refus> refus;
    bool annule = false;
};

// Called every few hundred records with the number done; false stops the plan.
using Progression = std::function<bool(qsizetype fait, qsizetype total)>;

// The reference found in a record: SIG itself a reference (this program's
// export, the cathedral's name in SIG_INFO); SIG "DCF" or "DBF" with the
// reference in SIG_INFO; a reference named in COMMENT or NOTES. Empty when none.
struct Reference {
    QString ref;
    QString nom;  // the cathedral's name the record gives, if any
};
Reference reference(const LecteurAdif::Fichier& f, qsizetype i);
// The same from SIG and SIG_INFO alone: a reference a comment merely mentions
// is not one the record vouches for.
Reference referenceSig(const LecteurAdif::Fichier& f, qsizetype i);

// A record's values as the log writes them; empty (or nullptr with *motif
// saying why) when the record gives none the log can hold.
QString date(const QString& qsoDate);  // "20210615" -> "15/06/21"
QString heure(const QString& timeOn);  // "1432" or "143205" -> "14:32"
// BAND, or FREQ in MHz when BAND is missing, through the band table.
const Bandes::Bande* bande(const LecteurAdif::Fichier& f, qsizetype i, QString* motif = nullptr);
// MODE in capitals, USB and LSB as SSB.
QString mode(const QString& adif);

// listeRefs: the reference list (Liste_DCF.csv), for the names and
// départements the records do not give.
Plan preparer(const LecteurAdif::Fichier& f, const Carnet& log, const QString& listeRefs,
              const Progression& progression = {});

// Writes the plan's QSOs into the log in one rewrite; the log is untouched
// unless the answer is done.
Carnet::Resultat appliquer(const Plan& plan, Carnet& log);
// The first names of the imported QSOs into the first-name memory, in one
// rewrite, as each save would have left it; a QSO without a first name
// leaves the memory as it is.
bool memoriserPrenoms(const QList<Qso>& qsos, const QString& fichier, QString* erreur = nullptr);

// The texts shown before and after the import.
QString resume(const Plan& plan);
QString bilan(const Plan& plan);
// One line per refused record, for the text file the operator may keep.
Rapport rapportRefus(const Plan& plan);

}  // namespace ImportAdif
