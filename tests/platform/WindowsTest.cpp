#include <gtest/gtest.h>
#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>

#include "platform/Windows.h"

namespace {
class Fenetre : public QLabel {};
}  // namespace

TEST(Windows, OneInstancePerKindWhoeverOpensItCentredOnTheScreen) {
    int construites = 0;
    auto fabrique = [&] {
        ++construites;
        return new Fenetre;
    };
    Fenetre* a = Windows::openSingle<Fenetre>(fabrique);
    // Another place in the code, another factory: still the open window.
    EXPECT_EQ(Windows::openSingle<Fenetre>([] { return new Fenetre; }), a);
    EXPECT_EQ(construites, 1);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(a));
    const QPoint ecart = a->geometry().center() - a->screen()->geometry().center();
    EXPECT_LE(ecart.manhattanLength(), 4);

    // Closing discards it; the next opening builds a new one.
    a->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(Windows::ouverte<Fenetre>().isNull());
    delete Windows::openSingle<Fenetre>(fabrique);
    EXPECT_EQ(construites, 2);
}
