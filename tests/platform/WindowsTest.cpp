#include <QApplication>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/Windows.h"

namespace {
class Fenetre : public QLabel {};
}  // namespace

TEST(Windows, OneInstancePerKindWhoeverOpensIt) {
    int construites = 0;
    Fenetre* a = Windows::openSingle<Fenetre>([&] { ++construites; return new Fenetre; });
    // Another place in the code, another factory: still the open window.
    Fenetre* b = Windows::openSingle<Fenetre>([&] { ++construites; return new Fenetre(); });
    EXPECT_EQ(a, b);
    EXPECT_EQ(construites, 1);
    EXPECT_TRUE(a->isVisible());

    // Closing discards it; the next opening builds a new one.
    a->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(Windows::ouverte<Fenetre>().isNull());
    Fenetre* c = Windows::openSingle<Fenetre>([&] { ++construites; return new Fenetre; });
    EXPECT_EQ(construites, 2);
    delete c;
}
