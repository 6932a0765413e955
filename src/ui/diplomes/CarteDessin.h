#pragma once
#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QSvgRenderer>
#include <array>

#include "core/diplomes/CarteLogic.h"

// The outline map of the départements drawn from the vendored SVG: mainland
// and Corsica at the bottom, an enlarged inset of Paris and its three
// neighbours in the top-left corner, each département filled with a colour.
class CarteDessin {
public:
    static constexpr int Largeur = 475;
    static constexpr int Hauteur = 510;

    // Fill of each box's département; hidden boxes are ignored.
    explicit CarteDessin(const std::array<QColor, CarteLogic::NbCases>& remplissages);

    bool valide() const { return renderer_.isValid(); }
    QImage image();
    // Where a visible box's département is drawn, in image pixels (on the
    // inset for 75, 92, 93 and 94): the centre of its element bounds, moved
    // into the shape when that centre is outside it or close to its edge.
    QPointF centre(int index) const { return centres_[index]; }
    QRectF encart() const { return cadreEncart_; }

private:
    // Where a département's bounds land in the image.
    QRectF cadreElement(int index) const;
    QPointF placer(int index);

    QSvgRenderer renderer_;
    std::array<QPointF, CarteLogic::NbCases> centres_{};
    QRectF vueCarte_, cadreCarte_;    // whole drawing and where it goes
    QRectF vueEncart_, cadreEncart_;  // around Paris, and the inset
};

// Boxes centred on their départements overlap where départements are small:
// pushes overlapping boxes apart, a little at a time along the shallower
// side, keeping each inside `dans`. Null rectangles are left alone.
void ecarterCases(std::array<QRectF, CarteLogic::NbCases>& cases, const QRectF& dans);
