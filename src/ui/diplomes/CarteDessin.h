#pragma once
#include <QColor>
#include <QImage>
#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QSvgRenderer>
#include <array>
#include <vector>

#include "core/diplomes/CarteLogic.h"

// The outline map of the départements drawn from the vendored SVG: mainland
// and Corsica at the bottom, an enlarged inset of Paris and its three
// neighbours in the top-left corner, each département filled with a colour.
// Drawn at any size, in the proportions of the 475 × 510 picture, centred.
class CarteDessin {
public:
    static constexpr int Largeur = 475;
    static constexpr int Hauteur = 510;

    // Fill of each box's département; hidden boxes are ignored.
    explicit CarteDessin(const std::array<QColor, CarteLogic::NbCases>& remplissages,
                         QSize taille = {Largeur, Hauteur});

    bool valide() const { return renderer_.isValid(); }
    QImage image();
    // Where a visible box's département is drawn, in image pixels (on the
    // inset for 75, 92, 93 and 94): the centre of its element bounds, moved
    // into the shape when that centre is outside it or close to its edge.
    QPointF centre(int index) const { return centres_[index]; }
    QRectF encart() const { return cadreEncart_; }

    // A département as drawn, opaque where it shows: every visible box's,
    // then the mainland Paris and its neighbours, whose boxes are on the inset.
    struct Forme {
        int index;
        QImage masque;
        QPoint origine;  // of the mask in the image
        int surface;     // opaque pixels
        QRect cadre() const { return {origine, masque.size()}; }
        // The share of the shape under a rectangle.
        qreal partSous(const QRectF& r) const;
    };
    const std::vector<Forme>& formes() const { return formes_; }

private:
    // Where a département's bounds land in the image, on the inset or not.
    QRectF cadreElement(int index, bool encart) const;
    Forme masquer(int index, bool encart) const;
    static QPointF placer(const Forme& f);

    QSvgRenderer renderer_;
    QSize taille_;
    std::array<QPointF, CarteLogic::NbCases> centres_{};
    std::vector<Forme> formes_;
    QRectF vueCarte_, cadreCarte_;    // whole drawing and where it goes
    QRectF vueEncart_, cadreEncart_;  // around Paris, and the inset
};

// The boxes' places over a drawing, none over another: each on its
// département where the box leaves at least half of it and of its
// neighbours in sight, otherwise at the nearest place that does, joined to
// its département by a leader line. Small départements are placed first.
// Boxes stay inside `dans`; those of the inset stay on it, the others off it.
struct Etiquettes {
    std::array<QRectF, CarteLogic::NbCases> cases{};    // null for hidden boxes
    std::array<QLineF, CarteLogic::NbCases> renvois{};  // null for a box on its département
};
Etiquettes placerEtiquettes(const CarteDessin& dessin, const QSizeF& taille, const QRectF& dans);
