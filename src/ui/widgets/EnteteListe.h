#pragma once
#include <QList>

#include "ui/widgets/EnteteColonnes.h"

// The caption above the log list. Its blank runs were laid out for one
// particular proportional font and line up in none of ours, so the label
// keeps the caption as its text but draws each title over its list column.
class EnteteListe : public EnteteColonnes {
    Q_OBJECT
public:
    explicit EnteteListe(QWidget* parent = nullptr);

    struct Titre {
        QString titre;
        int colonne;  // 0-based list column of the title's first letter
        qreal x;      // pixel offset in the label
    };
    QList<Titre> titres() const;
};
