#pragma once
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "app/Main.h"
#include "support/Doubles.h"

// The main window of a test, shown and active so that typed keys reach it.
class FenetreTest : public ::testing::Test {
protected:
    TestEnv env;
    std::unique_ptr<Main> main;

    void ouvrir() {
        main = std::make_unique<Main>(env.ctx);
        main->demarrer();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    }
    template <class T = QLineEdit>
    T* c(const char* name) {
        return main->findChild<T*>(QString::fromLatin1(name));
    }
    // Types into a control as the operator does, then presses Enter.
    void taper(QWidget* w, const QString& text, bool enter = true) {
        w->setFocus();
        QWidget* cible = w;
        if (auto* cb = qobject_cast<QComboBox*>(w)) cible = cb->lineEdit();
        QTest::keyClicks(cible, text);
        if (enter) QTest::keyClick(cible, Qt::Key_Return);
    }
    // The same in place of the control's text; no text: Enter alone.
    void entree(QWidget* w, const QString& text = {}) {
        QWidget* cible = w;
        if (auto* cb = qobject_cast<QComboBox*>(w)) cible = cb->lineEdit();
        if (auto* le = qobject_cast<QLineEdit*>(cible); le && !text.isNull()) le->clear();
        taper(w, text);
    }
};
