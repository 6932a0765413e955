#include "app/EnteteListe.h"

#include <QFontMetricsF>
#include <QList>
#include <cmath>

#include "log/LigneQso.h"

namespace {

// Each title and the list column (0-based) its first letter should stand over.
struct Cible {
    const char* titre;
    int colonne;
};
const Cible kCibles[] = {{"N°", 3},     {"Indicatif", 8}, {"Dpt", 22},   {"Prénom", 26},
                         {"Ref", 43},    {"Date", 52},     {"QTR", 62},   {"Mode", 69},
                         {"QRG", 74},    {"RSTR", 83},     {"RSTE", 88},  {"Mom de la", 93},
                         {"QSL", 124}};

struct Mesure {
    qreal lettres;  // advance of the prefix with normal blanks
    int blancs;     // blanks in the prefix
    qreal cible;
};

QList<Mesure> mesurer(const QFont& f, qreal charWidth) {
    QFontMetricsF fm(f);
    const QString& e = LigneQso::Entete;
    QList<Mesure> out;
    qsizetype from = 0;
    for (const Cible& c : kCibles) {
        const qsizetype at = e.indexOf(QString::fromUtf8(c.titre), from);
        from = at + 1;
        const QString prefix = e.left(at);
        out.append({fm.horizontalAdvance(prefix), int(prefix.count(QLatin1Char(' '))),
                    c.colonne * charWidth});
    }
    return out;
}

}  // namespace

QFont policeEntete(const QFont& base, qreal charWidth) {
    QFont best = base;
    qreal bestErr = 1e9;
    for (qreal pt = 6.0; pt <= 14.0; pt += 0.25) {
        QFont f = base;
        f.setPointSizeF(pt);
        f.setWordSpacing(0);
        const QList<Mesure> m = mesurer(f, charWidth);
        const qreal space = QFontMetricsF(f).horizontalAdvance(QLatin1Char(' '));
        // Least squares for the extra width of a blank.
        qreal num = 0, den = 0;
        for (const Mesure& x : m) {
            num += x.blancs * (x.cible - x.lettres);
            den += qreal(x.blancs) * x.blancs;
        }
        const qreal ws = den > 0 ? num / den : 0;
        if (space + ws < 1) continue;
        qreal err = 0;
        for (const Mesure& x : m) err = std::max(err, std::abs(x.lettres + x.blancs * ws - x.cible));
        if (err < bestErr) {
            bestErr = err;
            best = f;
            best.setWordSpacing(ws);
        }
    }
    return best;
}

QList<TitreEntete> positionsEntete(const QFont& font) {
    QFont plain = font;
    plain.setWordSpacing(0);
    QFontMetricsF fm(plain);
    QList<TitreEntete> out;
    const QString& e = LigneQso::Entete;
    qsizetype from = 0;
    for (const Cible& c : kCibles) {
        const QString t = QString::fromUtf8(c.titre);
        const qsizetype at = e.indexOf(t, from);
        from = at + 1;
        const QString prefix = e.left(at);
        out.append({t, c.colonne,
                    fm.horizontalAdvance(prefix) + prefix.count(QLatin1Char(' ')) * font.wordSpacing()});
    }
    return out;
}
