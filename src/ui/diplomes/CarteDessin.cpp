#include "ui/diplomes/CarteDessin.h"

#include <QFile>
#include <QLineF>
#include <QPainter>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>
#include <vector>

namespace {

const QColor kContour(128, 128, 128);
constexpr qreal kMargeEncart = 1.5;         // drawing units around Paris and its neighbours
const QRectF kPlaceEncart(2, 2, 128, 118);  // sea off Normandy, above the mainland

const int kEncart[] = {75, 92, 93, 94};

bool dansEncart(int index) {
    for (int i : kEncart)
        if (i == index) return true;
    return false;
}

// Boxes may hide this much of a département between them; a département
// whose own box alone hides more is small: its box stands beside it, and
// boxes hide at most the second share of it.
constexpr qreal kCache = 0.6;
constexpr qreal kCachePetit = 0.15;

const QByteArray& svgBrut() {
    static const QByteArray bytes = [] {
        QFile f(QStringLiteral(":/carte/france.departments.svg"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    return bytes;
}

int indexDeId(QStringView id) {
    if (id == QLatin1String("2A")) return CarteLogic::CaseCorseSud;
    if (id == QLatin1String("2B")) return CarteLogic::CaseHauteCorse;
    return id.toInt();
}

// The published paths carry no paint: each gets its fill and a thin grey
// outline that keeps its width in the enlarged inset.
QByteArray svgColorie(const std::array<QColor, CarteLogic::NbCases>& remplissages) {
    static const QRegularExpression idChemin(QStringLiteral("\\bid=\"([0-9][0-9AB])\""));
    const QString src = QString::fromUtf8(svgBrut());
    QString out;
    out.reserve(src.size() + 100 * 120);
    qsizetype from = 0;
    for (auto it = idChemin.globalMatch(src); it.hasNext();) {
        const auto m = it.next();
        out += QStringView(src).mid(from, m.capturedEnd() - from);
        from = m.capturedEnd();
        const int i = indexDeId(m.capturedView(1));
        const QColor c = i >= 0 && i < CarteLogic::NbCases ? remplissages[i] : QColor(Qt::white);
        out += QStringLiteral(
                   " fill=\"%1\" stroke=\"%2\" stroke-width=\"0.8\" "
                   "stroke-linejoin=\"round\" vector-effect=\"non-scaling-stroke\"")
                   .arg(c.name(), kContour.name());
    }
    out += QStringView(src).mid(from);
    return out.toUtf8();
}

// The largest rectangle of the drawing's proportions inside a place.
QRectF ajuste(const QSizeF& vue, const QRectF& place, Qt::Alignment a) {
    const qreal s = std::min(place.width() / vue.width(), place.height() / vue.height());
    QRectF r(QPointF(), vue * s);
    r.moveLeft(a.testFlag(Qt::AlignRight)     ? place.right() - r.width()
               : a.testFlag(Qt::AlignHCenter) ? place.center().x() - r.width() / 2
                                              : place.left());
    r.moveTop(a.testFlag(Qt::AlignBottom)    ? place.bottom() - r.height()
              : a.testFlag(Qt::AlignVCenter) ? place.center().y() - r.height() / 2
                                             : place.top());
    return r;
}

QPointF versCadre(const QPointF& p, const QRectF& vue, const QRectF& cadre) {
    return {cadre.left() + (p.x() - vue.left()) * cadre.width() / vue.width(),
            cadre.top() + (p.y() - vue.top()) * cadre.height() / vue.height()};
}

}  // namespace

CarteDessin::CarteDessin(const std::array<QColor, CarteLogic::NbCases>& remplissages, QSize taille)
    : renderer_(svgColorie(remplissages)), taille_(taille.expandedTo({1, 1})) {
    if (!renderer_.isValid()) return;
    // The picture's layout, scaled to the size and centred in it.
    const QRectF zone =
        ajuste(QSizeF(Largeur, Hauteur), QRectF(QPointF(), QSizeF(taille_)), Qt::AlignHCenter | Qt::AlignVCenter);
    const qreal echelle = zone.width() / Largeur;
    vueCarte_ = renderer_.viewBoxF();
    // Corsica is at the bottom right of the drawing: keep it against the bottom.
    cadreCarte_ = ajuste(vueCarte_.size(), zone, Qt::AlignBottom);
    QRectF paris;
    for (int i : kEncart) paris |= renderer_.boundsOnElement(CarteLogic::idSvg(i));
    vueEncart_ = paris.adjusted(-kMargeEncart, -kMargeEncart, kMargeEncart, kMargeEncart);
    const QRectF placeEncart(zone.topLeft() + kPlaceEncart.topLeft() * echelle, kPlaceEncart.size() * echelle);
    cadreEncart_ = ajuste(vueEncart_.size(), placeEncart, Qt::AlignTop | Qt::AlignLeft);
    for (int i = 0; i < CarteLogic::NbCases; ++i) {
        if (!CarteLogic::caseVisible(i)) continue;
        formes_.push_back(masquer(i, dansEncart(i)));
        centres_[i] = placer(formes_.back());
    }
    for (int i : kEncart) formes_.push_back(masquer(i, false));
}

QImage CarteDessin::image() {
    QImage img(taille_, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::white);
    if (!renderer_.isValid()) return img;
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    renderer_.setViewBox(vueCarte_);
    renderer_.render(&p, cadreCarte_);

    // Only Paris and its neighbours in the inset: the edges of the départements
    // around them would read as contacted or not.
    p.save();
    p.setClipRect(cadreEncart_);
    p.fillRect(cadreEncart_, Qt::white);
    for (int i : kEncart) renderer_.render(&p, CarteLogic::idSvg(i), cadreElement(i, true));
    p.restore();
    p.setPen(QPen(kContour, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(cadreEncart_.adjusted(-0.5, -0.5, 0.5, 0.5));
    return img;
}

QRectF CarteDessin::cadreElement(int index, bool encart) const {
    const QString id = CarteLogic::idSvg(index);
    const QRectF b = renderer_.transformForElement(id).mapRect(renderer_.boundsOnElement(id));
    const QRectF& vue = encart ? vueEncart_ : vueCarte_;
    const QRectF& cadre = encart ? cadreEncart_ : cadreCarte_;
    return {versCadre(b.topLeft(), vue, cadre), versCadre(b.bottomRight(), vue, cadre)};
}

CarteDessin::Forme CarteDessin::masquer(int index, bool encart) const {
    // The shape alone, at drawing scale, pixel aligned with the image.
    const QRectF r = cadreElement(index, encart);
    const QRect px = r.toAlignedRect();
    QImage masque(px.size(), QImage::Format_ARGB32_Premultiplied);
    masque.fill(Qt::transparent);
    {
        QPainter p(&masque);
        const_cast<QSvgRenderer&>(renderer_).render(&p, CarteLogic::idSvg(index), r.translated(-px.topLeft()));
    }
    int surface = 0;
    for (int y = 0; y < masque.height(); ++y) {
        const QRgb* ligne = reinterpret_cast<const QRgb*>(masque.constScanLine(y));
        for (int x = 0; x < masque.width(); ++x) surface += qAlpha(ligne[x]) == 255;
    }
    return {index, masque, px.topLeft(), surface};
}

qreal CarteDessin::Forme::partSous(const QRectF& r) const {
    if (surface == 0) return 0;
    const QRect dedans = r.toRect().translated(-origine) & masque.rect();
    int sous = 0;
    for (int y = dedans.top(); y <= dedans.bottom(); ++y) {
        const QRgb* ligne = reinterpret_cast<const QRgb*>(masque.constScanLine(y));
        for (int x = dedans.left(); x <= dedans.right(); ++x) sous += qAlpha(ligne[x]) == 255;
    }
    return qreal(sous) / surface;
}

QPointF CarteDessin::placer(const Forme& f) {
    const QImage& masque = f.masque;
    const QRect px = f.cadre();

    // Chamfer distance to the outside, capped: a centre well inside stays
    // where it is, one outside or on a rim moves to the nearest roomy spot.
    constexpr int kAise = 18;  // about 6 pixels, in thirds
    const int w = masque.width(), h = masque.height();
    std::vector<int> d(size_t(w) * h);
    for (int y = 0; y < h; ++y) {
        const QRgb* ligne = reinterpret_cast<const QRgb*>(masque.constScanLine(y));
        for (int x = 0; x < w; ++x) d[size_t(y) * w + x] = qAlpha(ligne[x]) == 255 ? kAise : 0;
    }
    auto at = [&](int x, int y) { return x < 0 || y < 0 || x >= w || y >= h ? 0 : d[size_t(y) * w + x]; };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            int& v = d[size_t(y) * w + x];
            v = std::min({v, at(x - 1, y) + 3, at(x, y - 1) + 3, at(x - 1, y - 1) + 4, at(x + 1, y - 1) + 4});
        }
    for (int y = h - 1; y >= 0; --y)
        for (int x = w - 1; x >= 0; --x) {
            int& v = d[size_t(y) * w + x];
            v = std::min({v, at(x + 1, y) + 3, at(x, y + 1) + 3, at(x + 1, y + 1) + 4, at(x - 1, y + 1) + 4});
        }
    const QPointF c = QRectF(px).center();
    QPointF meilleur = c;
    int aise = -1;
    qreal ecart = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int v = d[size_t(y) * w + x];
            const QPointF p(px.left() + x + 0.5, px.top() + y + 0.5);
            const qreal e = QPointF::dotProduct(p - c, p - c);  // squared: only compared
            if (v > aise || (v == aise && e < ecart)) {
                aise = v;
                ecart = e;
                meilleur = p;
            }
        }
    // The centre itself when it is roomy enough.
    const QPoint pc = (c - QPointF(px.topLeft())).toPoint();
    if (at(pc.x(), pc.y()) == aise) return c;
    return meilleur;
}

namespace {

qreal surfaceCommune(const QRectF& a, const QRectF& b) {
    const QRectF c = a & b;
    return c.isValid() ? c.width() * c.height() : 0;
}

// Where the line from a département's centre meets its box.
QPointF bord(const QRectF& r, const QPointF& depuis) {
    return {std::clamp(depuis.x(), r.left(), r.right()), std::clamp(depuis.y(), r.top(), r.bottom())};
}

}  // namespace

Etiquettes placerEtiquettes(const CarteDessin& dessin, const QSizeF& taille, const QRectF& dans) {
    Etiquettes e;
    const std::vector<CarteDessin::Forme>& formes = dessin.formes();
    auto centree = [&](int i) {
        QRectF r(QPointF(), taille);
        r.moveCenter(dessin.centre(i));
        return r;
    };
    // The first shape of each index is where its box goes; a later one (the
    // mainland Paris) has its box elsewhere.
    std::vector<size_t> ordre;
    std::vector<bool> petit(formes.size(), true);
    std::array<bool, CarteLogic::NbCases> vu{};
    for (size_t f = 0; f < formes.size(); ++f)
        if (!std::exchange(vu[formes[f].index], true)) {
            ordre.push_back(f);
            petit[f] = formes[f].partSous(centree(formes[f].index)) > kCache;
        }
    // Boxes on their départements first, then those of the small ones in the
    // room left; the smallest first in each.
    std::stable_sort(ordre.begin(), ordre.end(), [&](size_t a, size_t b) {
        return petit[a] != petit[b] ? petit[a] : formes[a].surface < formes[b].surface;
    });
    // What the boxes hide of each shape; boxes never overlap, so it adds up.
    std::vector<qreal> cache(formes.size(), 0.0);

    const QRectF encart = dessin.encart();
    for (size_t propre : ordre) {
        const int i = formes[propre].index;
        const QPointF c = dessin.centre(i);
        const bool surEncart = encart.contains(c);
        // A box off its département costs a detour; more for one that could stand on it.
        const qreal renvoi = petit[propre] ? 12 : 40;
        // Boxes on their départements may nudge each other; a small one's box
        // beside it must find a place that hides little.
        const qreal poidsVoisins = petit[propre] ? 600 : 300;
        QRectF meilleure;
        qreal moindre = std::numeric_limits<qreal>::max();
        auto essayer = [&](const QPointF& centre, qreal distance) {
            QRectF r(QPointF(), taille);
            r.moveCenter(centre);
            if (!dans.contains(r) || (surEncart ? !encart.contains(r) : r.intersects(encart))) return;
            for (const QRectF& autre : e.cases)
                if (!autre.isNull() && surfaceCommune(r, autre) > 0) return;
            // Hiding a small département costs far more than any detour.
            qreal cout = distance + (r.contains(c) ? 0 : renvoi);
            for (size_t f = 0; f < formes.size(); ++f) {
                if (!formes[f].cadre().intersects(r.toAlignedRect())) continue;
                const qreal exces = cache[f] + formes[f].partSous(r) - (petit[f] ? kCachePetit : kCache);
                if (exces > 0) cout += exces * (petit[f] ? 4000 : f == propre ? 300 : poidsVoisins);
            }
            if (cout < moindre) {
                moindre = cout;
                meilleure = r;
            }
        };
        essayer(c, 0);
        for (qreal rayon = 3; rayon < 4 * taille.width(); rayon += 3) {
            if (moindre <= rayon) break;  // farther cannot cost less
            for (int pas = 0; pas < 24; ++pas) {
                const qreal angle = pas * M_PI / 12;
                essayer(c + QPointF(std::cos(angle), std::sin(angle)) * rayon, rayon);
            }
        }
        if (meilleure.isNull()) meilleure = centree(i);  // nowhere free: on its département all the same
        e.cases[i] = meilleure;
        for (size_t f = 0; f < formes.size(); ++f) cache[f] += formes[f].partSous(meilleure);
        if (!meilleure.contains(c)) e.renvois[i] = QLineF(c, bord(meilleure, c));
    }
    return e;
}
