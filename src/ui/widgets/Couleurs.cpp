#include "ui/widgets/Couleurs.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPalette>
#include <QWidget>

namespace Couleurs {

void fond(QWidget* w, const QColor& c) {
    QPalette p = w->palette();
    for (auto g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(g, QPalette::Base, c);
        p.setColor(g, QPalette::Button, c);
    }
    // Disabled text stays readable on the light backgrounds.
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(60, 60, 60));
    w->setPalette(p);
    if (auto* cb = qobject_cast<QComboBox*>(w); cb && cb->lineEdit()) cb->lineEdit()->setPalette(p);
}

QColor fond(const QWidget* w) { return w->palette().color(QPalette::Active, QPalette::Base); }

}  // namespace Couleurs

void Couleurs::ferme(QWidget* w) {
    w->setEnabled(false);
    fond(w, JauneClair);
}
