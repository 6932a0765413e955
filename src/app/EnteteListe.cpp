#include "app/EnteteListe.h"

#include <QPainter>

namespace {

// Each title and the list column its first letter stands over: left edges of
// the columns, the running number's title at its right end, QSL over the mark.
struct Cible {
    const char* titre;
    int colonne;
};
const Cible kCibles[] = {{"N°", 4},    {"Indicatif", 8}, {"Dpt", 22},  {"Prénom", 26},
                         {"Ref", 43},   {"Date", 52},     {"QTR", 62},  {"Mode", 69},
                         {"QRG", 74},   {"RSTR", 83},     {"RSTE", 88}, {"Mom de la Cathédrale", 93},
                         {"QSL", 124}};

}  // namespace

EnteteListe::EnteteListe(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
}

void EnteteListe::setColonnes(qreal charWidth, int marge) {
    charWidth_ = charWidth;
    marge_ = marge;
    updateGeometry();
    update();
}

QList<EnteteListe::Titre> EnteteListe::titres() const {
    QList<Titre> out;
    const QString t = text();
    qsizetype from = 0;
    for (const Cible& c : kCibles) {
        const QString titre = QString::fromUtf8(c.titre);
        const qsizetype at = t.indexOf(titre, from);
        if (at < 0) return {};  // not the list caption
        from = at + titre.size();
        out.append({titre, c.colonne, marge_ + c.colonne * charWidth_});
    }
    return out;
}

QSize EnteteListe::sizeHint() const {
    return {int(marge_ + 127 * charWidth_), fontMetrics().height() + 4};
}

QSize EnteteListe::minimumSizeHint() const { return {10, fontMetrics().height() + 4}; }

void EnteteListe::paintEvent(QPaintEvent* e) {
    const QList<Titre> ts = titres();
    if (ts.isEmpty()) {
        QLabel::paintEvent(e);
        return;
    }
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    const int base = (height() + fontMetrics().ascent() - fontMetrics().descent()) / 2;
    for (const Titre& t : ts) p.drawText(QPointF(t.x, base), t.titre);
}
