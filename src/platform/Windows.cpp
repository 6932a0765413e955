#include "platform/Windows.h"

#include <QGuiApplication>
#include <QScreen>

namespace Windows {

void centreOnScreen(QWidget* w) {
    QScreen* screen = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect avail = screen->geometry();
    const QSize size = w->frameGeometry().size().expandedTo(w->size());
    w->move(avail.x() + (avail.width() - size.width()) / 2,
            avail.y() + (avail.height() - size.height()) / 2);
}

}  // namespace Windows
