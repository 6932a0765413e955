#include "ui/widgets/Apparence.h"

#include <QFontDatabase>
#include <QPainter>
#include <QSvgRenderer>

namespace Apparence {

QFont policeListe() {
    if (QFontDatabase::families().contains(QStringLiteral("Letter Gothic"))) {
        QFont f(QStringLiteral("Letter Gothic"));
        f.setPointSizeF(8.25);
        return f;
    }
    QFont f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    f.setPointSizeF(9);
    return f;
}

QPixmap imageCathedrale() {
    QSvgRenderer r(QStringLiteral(":/cathedrale.svg"));
    QPixmap pm(47, 60);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    r.render(&p);
    return pm;
}

}  // namespace Apparence
