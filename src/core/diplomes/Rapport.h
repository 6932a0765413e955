#pragma once
#include <QString>
#include <QStringList>

// A list the program saves to a file or prints, described once; the two
// writers lay it out for their medium.
struct Rapport {
    QString titre;       // none: no title block
    QString entete;      // the column header; printed again at the top of every page
    QStringList lignes;  // the listed lines, as they are
    QString credit;      // none: no credit block

    // The file's lines: title, blank, header, blank, the lines, blank, credit.
    QStringList lignesFichier() const;
    // The printed lines: the same with two blanks before the credit.
    QStringList lignesImprimees() const;
    // What the printer repeats on the pages after the first.
    QStringList enteteDePage() const;
};
