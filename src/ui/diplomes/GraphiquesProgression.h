#pragma once
#include <QColor>
#include <QDate>
#include <QImage>
#include <QList>
#include <QSize>
#include <QStringList>
#include <QWidget>

// What the progression charts draw, as figures and words the program has
// made: the module that draws them links Qt Charts and nothing of the program.
struct DonneesGraphiques {
    QStringList entete;  // lines above the charts in an image: title, figures, projection
    // One entry per month from the first.
    QDate premierMois;
    QList<int> diplome, contactees, confirmees;
    QStringList bullesMois;
    struct Seuil {
        int valeur;
        QString libelle;
        bool atteint;
    };
    QList<Seuil> seuils;
    // One entry per band, in the band list's order.
    QStringList bandes;
    QList<int> bandesContactees, bandesConfirmees;
    QStringList bullesBandes;
    QColor contactee, confirmee;  // the map's
};

// The award's road over time above the references per band.
class GraphiquesProgression : public QWidget {
public:
    using QWidget::QWidget;
    virtual void montrer(const DonneesGraphiques& d) = 0;
    // The heading and both charts laid out anew at this size (device
    // independent pixels) and drawn at echelle pixels per unit, whatever the
    // window's own size.
    virtual QImage image(QSize taille, qreal echelle) const = 0;

    // Built by the charts' module, loaded on the first call so that start-up
    // does not load Qt Charts; null when the module is missing.
    static GraphiquesProgression* creer(QWidget* parent);
};
