#include "ui/diplomes/CarteDessin.h"

#include <QFile>
#include <QLineF>
#include <QPainter>
#include <QRegularExpression>
#include <algorithm>
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
    r.moveLeft(a.testFlag(Qt::AlignRight) ? place.right() - r.width() : place.left());
    r.moveTop(a.testFlag(Qt::AlignBottom) ? place.bottom() - r.height() : place.top());
    return r;
}

QPointF versCadre(const QPointF& p, const QRectF& vue, const QRectF& cadre) {
    return {cadre.left() + (p.x() - vue.left()) * cadre.width() / vue.width(),
            cadre.top() + (p.y() - vue.top()) * cadre.height() / vue.height()};
}

}  // namespace

CarteDessin::CarteDessin(const std::array<QColor, CarteLogic::NbCases>& remplissages)
    : renderer_(svgColorie(remplissages)) {
    if (!renderer_.isValid()) return;
    vueCarte_ = renderer_.viewBoxF();
    // Corsica is at the bottom right of the drawing: keep it against the bottom.
    cadreCarte_ = ajuste(vueCarte_.size(), QRectF(0, 0, Largeur, Hauteur), Qt::AlignBottom);
    QRectF paris;
    for (int i : kEncart) paris |= renderer_.boundsOnElement(CarteLogic::idSvg(i));
    vueEncart_ = paris.adjusted(-kMargeEncart, -kMargeEncart, kMargeEncart, kMargeEncart);
    cadreEncart_ = ajuste(vueEncart_.size(), kPlaceEncart, Qt::AlignTop | Qt::AlignLeft);
    for (int i = 0; i < CarteLogic::NbCases; ++i)
        if (CarteLogic::caseVisible(i)) centres_[i] = placer(i);
}

QImage CarteDessin::image() {
    QImage img(Largeur, Hauteur, QImage::Format_ARGB32_Premultiplied);
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
    for (int i : kEncart) renderer_.render(&p, CarteLogic::idSvg(i), cadreElement(i));
    p.restore();
    p.setPen(QPen(kContour, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(cadreEncart_.adjusted(-0.5, -0.5, 0.5, 0.5));
    return img;
}

QRectF CarteDessin::cadreElement(int index) const {
    const QString id = CarteLogic::idSvg(index);
    const QRectF b = renderer_.transformForElement(id).mapRect(renderer_.boundsOnElement(id));
    const QRectF& vue = dansEncart(index) ? vueEncart_ : vueCarte_;
    const QRectF& cadre = dansEncart(index) ? cadreEncart_ : cadreCarte_;
    return {versCadre(b.topLeft(), vue, cadre), versCadre(b.bottomRight(), vue, cadre)};
}

QPointF CarteDessin::placer(int index) {
    const QString id = CarteLogic::idSvg(index);
    const QRectF r = cadreElement(index);

    // The shape alone, at drawing scale, pixel aligned with the image.
    const QRect px = r.toAlignedRect();
    QImage masque(px.size(), QImage::Format_ARGB32_Premultiplied);
    masque.fill(Qt::transparent);
    {
        QPainter p(&masque);
        renderer_.render(&p, id, r.translated(-px.topLeft()));
    }

    // Chamfer distance to the outside, capped: a centre well inside stays
    // where it is, one outside or on a rim moves to the nearest roomy spot.
    constexpr int kAise = 18;  // about 6 pixels, in thirds
    const int w = masque.width(), h = masque.height();
    std::vector<int> d(size_t(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) d[size_t(y) * w + x] = qAlpha(masque.pixel(x, y)) == 255 ? kAise : 0;
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
    const QPointF c = r.center();
    QPointF meilleur = c;
    int aise = -1;
    qreal ecart = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int v = d[size_t(y) * w + x];
            const QPointF p(px.left() + x + 0.5, px.top() + y + 0.5);
            const qreal e = QLineF(p, c).length();
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

void ecarterCases(std::array<QRectF, CarteLogic::NbCases>& cases, const QRectF& dans) {
    auto garder = [&](QRectF& r) {
        r.moveLeft(std::clamp(r.left(), dans.left(), dans.right() - r.width()));
        r.moveTop(std::clamp(r.top(), dans.top(), dans.bottom() - r.height()));
    };
    for (int passe = 0; passe < 200; ++passe) {
        bool bouge = false;
        for (int i = 0; i < CarteLogic::NbCases; ++i) {
            for (int j = i + 1; j < CarteLogic::NbCases; ++j) {
                QRectF& a = cases[i];
                QRectF& b = cases[j];
                if (a.isNull() || b.isNull()) continue;
                const QRectF commun = a & b;
                if (commun.width() < 0.01 || commun.height() < 0.01) continue;
                bouge = true;
                const QPointF d = b.center() - a.center();
                if (commun.width() / a.width() <= commun.height() / a.height()) {
                    const qreal pas = (d.x() < 0 ? -commun.width() : commun.width()) / 2;
                    a.translate(-pas, 0);
                    b.translate(pas, 0);
                } else {
                    const qreal pas = (d.y() < 0 ? -commun.height() : commun.height()) / 2;
                    a.translate(0, -pas);
                    b.translate(0, pas);
                }
                garder(a);
                garder(b);
            }
        }
        if (!bouge) break;
    }
}
