#include "platform/KeyPress.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

class Filter : public QObject {
public:
    Filter(QWidget* control, KeyPress::Handler h) : QObject(control), control_(control), handler_(std::move(h)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* ev) override {
        if (ev->type() != QEvent::KeyPress || relai_) return false;
        auto* ke = static_cast<QKeyEvent*>(ev);
        int code;
        if (ke->key() == Qt::Key_Return || ke->key() == Qt::Key_Enter)
            code = KeyPress::Enter;
        else if (!ke->text().isEmpty() && ke->text().at(0).isPrint() &&
                 !(ke->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
            code = ke->text().at(0).unicode();
        else
            return false;  // navigation, editing and shortcut keys pass untouched

        const int out = handler_(code);
        if (code == KeyPress::Enter) return true;  // Enter never reaches the control
        if (out == code) {
            // A combo box passes its keys to its line edit: relay it here, once.
            auto* cb = qobject_cast<QComboBox*>(control_);
            if (watched != control_ || !cb || !cb->lineEdit()) return false;
            relai_ = true;
            QCoreApplication::sendEvent(cb->lineEdit(), ev);
            relai_ = false;
            return true;
        }
        if (out != 0) insert(QChar(out));
        return true;
    }

private:
    void insert(QChar c) {
        if (auto* le = qobject_cast<QLineEdit*>(control_)) {
            le->insert(QString(c));
        } else if (auto* cb = qobject_cast<QComboBox*>(control_)) {
            if (cb->lineEdit()) cb->lineEdit()->insert(QString(c));
        }
    }
    QWidget* control_;
    KeyPress::Handler handler_;
    bool relai_ = false;
};

}  // namespace

namespace KeyPress {

void install(QWidget* control, Handler handler) {
    auto* f = new Filter(control, std::move(handler));
    control->installEventFilter(f);
    // An editable combo box keeps the focus itself and passes keys to its line
    // edit, which may also be sent keys directly.
    if (auto* cb = qobject_cast<QComboBox*>(control); cb && cb->lineEdit()) cb->lineEdit()->installEventFilter(f);
}

}  // namespace KeyPress

namespace {
class EntreeBoutons : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() != QEvent::KeyPress) return false;
        const auto* k = static_cast<QKeyEvent*>(e);
        if ((k->key() != Qt::Key_Return && k->key() != Qt::Key_Enter) || (k->modifiers() & ~Qt::KeypadModifier))
            return false;
        auto* b = qobject_cast<QPushButton*>(o);
        if (!b || !b->isEnabled() || !b->isVisible() || !b->hasFocus()) return false;
        b->click();
        return true;
    }
};
}  // namespace

void KeyPress::entreePresseLesBoutons() {
    static EntreeBoutons* filtre = nullptr;
    if (filtre || !qApp) return;
    filtre = new EntreeBoutons(qApp);
    qApp->installEventFilter(filtre);
}
