#pragma once
#include <QDate>
#include <QList>
#include <QString>

#include "core/diplomes/Rapports.h"

class Carnet;

// The award's road month by month and by band, as the progression charts
// draw it, built from the log object in one pass.
namespace Progression {

struct Bande {
    QString nom;         // as the band box shows it; "Autres" for a text outside the table
    int contactees = 0;  // distinct references with a QSO on this band
    int confirmees = 0;  // of which confirmed on this band
};

struct Figures {
    QDate premierMois;  // the first day of the month of the first QSO
    // One value per month up to today's, each the total at the end of that month.
    QList<int> diplome;     // confirmed QSOs, as the award window counts them
    QList<int> contactees;  // distinct references contacted
    QList<int> confirmees;  // distinct references confirmed
    // The band list's order; a band outside it only when it holds a reference.
    QList<Bande> bandes;

    qsizetype nombreMois() const { return diplome.size(); }
    QDate mois(qsizetype i) const { return premierMois.addMonths(int(i)); }
};

// Months run from the first dated QSO to today's month. A line whose date or
// time cannot be read counts from the first month and a line dated after
// today in today's month, so that the last month holds the whole log.
Figures calculer(const Carnet& log, QDate aujourdhui);

// "MM/yyyy".
QString texteMois(QDate mois);

// The month the next level is reached if the award count keeps the pace of
// its last 12 months; "Tous les niveaux sont atteints" past the last level;
// empty when the pace is zero.
QString projection(const Figures& f);

// The label of a level's line on the chart.
QString libelleSeuil(const Rapports::Niveau& n);

// Today's figures in one line, above the charts.
QString resume(const Figures& f);

// Tool tips: the exact figures of a month, of a band.
QString bulleMois(const Figures& f, qsizetype i);
QString bulleBande(const Bande& b);

}  // namespace Progression
