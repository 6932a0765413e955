#include "platform/Windows.h"

#include <QShortcut>

#include <QGuiApplication>
#include <QScreen>

namespace Windows {

void centreOnScreen(QWidget* w) {
    QScreen* screen = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect avail = screen->geometry();
    const QSize size = w->frameGeometry().size().expandedTo(w->size());
    w->move(avail.x() + (avail.width() - size.width()) / 2, avail.y() + (avail.height() - size.height()) / 2);
}

}  // namespace Windows

void Windows::fermerParEchap(QWidget* w) {
    auto* s = new QShortcut(QKeySequence(Qt::Key_Escape), w);
    s->setContext(Qt::WindowShortcut);
    QObject::connect(s, &QShortcut::activated, w, &QWidget::close);
}
