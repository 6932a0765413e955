#pragma once
#include <QPointer>
#include <QWidget>

namespace Windows {

// Gives a control its documented name, by which tests and tools find it.
template <class W>
W* nomme(W* w, const QString& name) {
    w->setObjectName(name);
    return w;
}

// Left and top at half the difference between screen and window size.
void centreOnScreen(QWidget* w);

// Escape closes the window.
void fermerParEchap(QWidget* w);

// The open window of a kind, if any.
template <class W>
QPointer<W>& ouverte() {
    static QPointer<W> instance;
    return instance;
}

// One instance per window kind: an open one is brought to the front
// unchanged, otherwise a new one is built, centred and shown. Closing it
// discards it.
template <class W, class Make>
W* openSingle(Make make) {
    QPointer<W>& instance = ouverte<W>();
    if (instance) {
        instance->show();
        instance->raise();
        instance->activateWindow();
        return instance;
    }
    W* w = make();
    w->setAttribute(Qt::WA_DeleteOnClose);
    fermerParEchap(w);
    w->adjustSize();
    centreOnScreen(w);
    w->show();
    instance = w;
    return w;
}

}  // namespace Windows
