#pragma once
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "ui/Main.h"
#include "ui/ModeleLog.h"
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
    // The log list's display lines, and its current row (-1 for none).
    QStringList lignesListe() const {
        QStringList l;
        for (int i = 0; i < main->modele->rowCount(); ++i) l.append(main->modele->affichage(i));
        return l;
    }
    int ligneCourante() const {
        const QModelIndex i = main->Liste_DCF->currentIndex();
        return i.isValid() ? i.row() : -1;
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
