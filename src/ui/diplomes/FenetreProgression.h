#pragma once
#include <QImage>
#include <QWidget>

#include "core/diplomes/Progression.h"
#include "ui/AppContext.h"

class GraphiquesProgression;
class QLabel;
class QPushButton;

// The award's road as charts: month by month the award count against its
// levels and the references contacted and confirmed, then the references per
// band. Follows the log while it is open; saves the charts as a picture or
// prints them.
class FenetreProgression : public QWidget {
    Q_OBJECT
public:
    explicit FenetreProgression(AppContext& ctx, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    const Progression::Figures& figures() const { return figures_; }
    // The heading and both charts, as saved and printed.
    QImage image(qreal echelle = 1) const;
    // Writes the picture in PNG; says where, or that it could not.
    bool enregistrerImageSous(const QString& chemin);

private:
    void actualiser();
    void enregistrerImage();
    void imprimer();

    AppContext& ctx;
    Progression::Figures figures_;
    QStringList entete_;

    QLabel* titre;
    QLabel* resume;
    QLabel* projection;
    GraphiquesProgression* graphiques;    // null when the charts' module is missing
    QLabel* graphiquesAbsents = nullptr;  // says so then
    QPushButton* boutonEnregistrerImage;
    QPushButton* boutonImprimer;
    QPushButton* boutonQuitter;
};
