#include "ui/widgets/EnteteColonnes.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QStyle>

EnteteColonnes::EnteteColonnes(const QString& texte, QList<Cible> cibles, QWidget* parent)
    : QLabel(texte, parent), cibles_(std::move(cibles)) {
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
}

int EnteteColonnes::margeTexte(const QAbstractItemView* liste) {
    // The frame, then the margin an item delegate leaves before its text.
    return liste->frameWidth() + liste->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, liste) + 1;
}

void EnteteColonnes::alignerSur(const QAbstractItemView* liste) {
    setFont(liste->font());
    largeurCar_ = QFontMetricsF(liste->font()).horizontalAdvance(QLatin1Char(' '));
    marge_ = margeTexte(liste);
    updateGeometry();
    update();
}

QList<qreal> EnteteColonnes::positions() const {
    QList<qreal> out;
    const QString t = text();
    qsizetype depuis = 0;
    for (const Cible& c : cibles_) {
        const qsizetype at = t.indexOf(c.titre, depuis);
        if (at < 0) return {};
        depuis = at + c.titre.size();
        out.append(marge_ + (c.colonne - 1) * largeurCar_);
    }
    return out;
}

QSize EnteteColonnes::sizeHint() const {
    // Computed when asked: the caption may be set after the columns.
    const QFontMetrics fm(font());
    const QList<qreal> xs = positions();
    int largeur = 10;
    for (qsizetype i = 0; i < xs.size(); ++i)
        largeur = std::max(largeur, int(xs[i]) + fm.horizontalAdvance(cibles_[i].titre));
    return {largeur, fm.height() + 4};
}

QSize EnteteColonnes::minimumSizeHint() const { return {10, fontMetrics().height() + 4}; }

void EnteteColonnes::paintEvent(QPaintEvent* e) {
    const QList<qreal> xs = positions();
    if (xs.isEmpty()) {
        QLabel::paintEvent(e);
        return;
    }
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    const int base = (height() + fontMetrics().ascent() - fontMetrics().descent()) / 2;
    for (qsizetype i = 0; i < xs.size(); ++i) p.drawText(QPointF(xs[i], base), cibles_[i].titre);
}
