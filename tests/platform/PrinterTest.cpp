#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/Printer.h"
#include "support/ImpressionPdf.h"

TEST(QtPrinter, LinesRunOnToNewPagesInOrder) {
    QTemporaryDir dir;
    ImprimantePdf imp(dir.path() + "/lignes.pdf");
    QtPrinter& p = imp.printer;
    p.setFont("Courier New", 9, true);
    ASSERT_TRUE(p.dialog());
    ASSERT_TRUE(p.begin());
    QStringList attendu;
    for (int i = 1; i <= 200; ++i) {
        attendu << QString("ligne %1").arg(i, 3, 10, QChar('0'));
        p.printLine(attendu.last());
    }
    ASSERT_TRUE(p.endDoc());
    EXPECT_GE(p.pages(), 2);

    const QList<QStringList> pages = lirePdf(imp.pdf);
    ASSERT_EQ(pages.size(), p.pages());
    QStringList lu;
    for (const QStringList& page : pages) lu << page;
    EXPECT_EQ(lu, attendu);  // nothing lost or doubled at a page break
    // A full page: the first page holds as many lines as fit.
    EXPECT_GT(pages[0].size(), 60);
}

TEST(QtPrinter, DestinationThatCannotBeOpenedRefusesTheDocument) {
    QTemporaryDir dir;
    ImprimantePdf imp(dir.path() + "/absent/x.pdf");
    ASSERT_TRUE(imp.printer.dialog());
    EXPECT_FALSE(imp.printer.begin());
    EXPECT_FALSE(imp.printer.endDoc());
}
