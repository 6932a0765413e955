#include "ui/widgets/EnteteListe.h"

// Each title over the 1-based list column of its first letter: left edges of
// the columns, the running number's title at its right end, QSL over the mark.
EnteteListe::EnteteListe(QWidget* parent)
    : EnteteColonnes(QString(),
                     {{"N°", 5},
                      {"Indicatif", 9},
                      {"Dpt", 23},
                      {"Prénom", 27},
                      {"Ref", 44},
                      {"Date", 53},
                      {"QTR", 63},
                      {"Mode", 70},
                      {"QRG", 75},
                      {"RSTR", 84},
                      {"RSTE", 89},
                      {"Mom de la Cathédrale", 94},
                      {"QSL", 125}},
                     parent) {}

QList<EnteteListe::Titre> EnteteListe::titres() const {
    QList<Titre> out;
    const QList<qreal> xs = positions();
    for (qsizetype i = 0; i < xs.size(); ++i) out.append({cibles()[i].titre, cibles()[i].colonne - 1, xs[i]});
    return out;
}
