#pragma once
#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "core/journal/TextFile.h"
#include "platform/Windows.h"
#include "support/Doubles.h"
#include "support/ImpressionPdf.h"
#include "ui/FenetrePrincipale.h"
#include "ui/widgets/EnteteColonnes.h"

// A control of any window, by its objectName.
template <class T = QLineEdit>
T* dans(const QObject* fenetre, const QString& name) {
    T* w = fenetre ? fenetre->findChild<T*>(name) : nullptr;
    EXPECT_NE(w, nullptr) << name.toStdString();
    return w;
}

// A click on a row of a view, then a double click if asked (one comes after a click).
inline void cliquer(QAbstractItemView* v, int row, bool deux = false) {
    const QPoint p = v->visualRect(v->model()->index(row, 0)).center();
    QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, p);
    if (deux) QTest::mouseDClick(v->viewport(), Qt::LeftButton, {}, p);
}

// While it lives, hands the active modal window, if a T, to `f` every 20 ms.
template <class T>
struct Guetteur : QTimer {
    explicit Guetteur(std::function<void(T*)> f) {
        connect(this, &QTimer::timeout, [f] {
            auto* w = qobject_cast<T*>(QApplication::activeModalWidget());
            if (w && w->isActiveWindow()) f(w);  // keys reach the active window only
        });
        start(20);
    }
};

// The main window of a station, shown and active so that typed keys reach it.
// Windows it opens are closed after each test: they outlive a main window.
class FenetreTest : public ::testing::Test {
protected:
    TestEnv env;
    std::unique_ptr<FenetrePrincipale> main;

    void TearDown() override {
        main.reset();
        for (QWidget* w : QApplication::topLevelWidgets()) w->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void ouvrir(const QStringList& log = {}) {
        if (!env.ctx.stationSet()) env.station("F5XYZ", log);
        main = std::make_unique<FenetrePrincipale>(env.ctx);
        main->demarrer();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    }
    template <class T = QLineEdit>
    T* c(const char* name) {
        return dans<T>(main.get(), name);
    }
    // The log list: its number of lines and the text of one.
    int lignesListe() { return c<QListView>("listeQso")->model()->rowCount(); }
    QString ligneListe(int row) {
        const QAbstractItemModel* m = c<QListView>("listeQso")->model();
        return m->data(m->index(row, 0)).toString();
    }
    static QWidget* focus() { return QApplication::focusWidget(); }
    // A header over a list: in the list's font, each title where the list
    // draws its column in the first row.
    static void verifierEntete(const EnteteColonnes* entete, const QListView* liste) {
        const QList<qreal> xs = entete->positions();
        ASSERT_EQ(xs.size(), entete->cibles().size());
        EXPECT_EQ(entete->font(), liste->font());
        const QModelIndex premiere = liste->model()->index(0, 0);
        const QString ligne = premiere.data().toString();
        const int margeItem = liste->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, liste) + 1;
        const qreal x0 = liste->viewport()->mapTo(liste->window(), liste->visualRect(premiere).topLeft()).x() +
                         margeItem - entete->mapTo(liste->window(), QPoint()).x();
        const QFontMetricsF fm(liste->font());
        for (qsizetype i = 0; i < xs.size(); ++i) {
            const int colonne = entete->cibles()[i].colonne;
            ASSERT_GE(ligne.size(), colonne) << ligne.toStdString();
            EXPECT_DOUBLE_EQ(xs[i], x0 + fm.horizontalAdvance(ligne.left(colonne - 1)))
                << entete->cibles()[i].titre.toStdString();
        }
    }
    // Types into the control that has the focus, as the operator does, then Enter.
    static void taper(const QString& text = {}) {
        QWidget* f = focus();
        EXPECT_NE(f, nullptr);
        QTest::keyClicks(f, text);
        QTest::keyClick(f, Qt::Key_Return);
    }
    QStringList log() const {
        return TextFile::splitLines(TextFile::decode(env.readFile(env.ctx.station + "_DCF.log")));
    }
    QStringList messages() { return std::exchange(env.dialogs.notices, {}); }
};
