#pragma once
#include <QFont>
#include <QString>

// The list header was laid out with blank runs for a proportional font.
// Picks the size and word spacing of `base` that put each title over its
// column of the fixed-pitch list, where one character is charWidth pixels.
QFont policeEntete(const QFont& base, qreal charWidth);

// Horizontal pixel offset of each header title, and the list column it
// stands over (0-based), for checking the fit.
struct TitreEntete {
    QString titre;
    int colonne;
    qreal x;
};
QList<TitreEntete> positionsEntete(const QFont& font);
