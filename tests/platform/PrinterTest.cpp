#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/Printer.h"
#include "support/ImpressionPdf.h"

TEST(QtPrinter, LinesRunOnToNewPagesInOrderAndABadDestinationIsRefused) {
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
    const QList<QStringList> pages = lirePdf(imp.pdf);
    ASSERT_GE(pages.size(), 2);
    EXPECT_EQ(pages.size(), p.pages());
    EXPECT_GT(pages[0].size(), 60);  // a full first page
    QStringList lu;
    for (const QStringList& page : pages) lu << page;
    EXPECT_EQ(lu, attendu);  // nothing lost or doubled at a break

    ImprimantePdf absente(dir.path() + "/absent/x.pdf");
    ASSERT_TRUE(absente.printer.dialog());
    EXPECT_FALSE(absente.printer.begin());
    EXPECT_FALSE(absente.printer.endDoc());
}

TEST(QtPrinter, APictureTakesAPageOfItsOwn) {
    QTemporaryDir dir;
    ImprimantePdf imp(dir.path() + "/image.pdf");
    QtPrinter& p = imp.printer;
    ASSERT_TRUE(p.dialog());
    QImage image(300, 200, QImage::Format_RGB32);
    image.fill(Qt::green);
    p.printLine("avant");
    p.printImage(image);
    p.printLine("après");
    ASSERT_TRUE(p.endDoc());
    EXPECT_EQ(lirePdf(imp.pdf), QList<QStringList>({{"avant"}, {"après"}}));
    QProcess images;  // page, number, type, width, height
    images.start("pdfimages", {"-list", imp.pdf});
    ASSERT_TRUE(images.waitForFinished(30000));
    const QStringList lignes = QString::fromUtf8(images.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lignes.size(), 3);
    EXPECT_EQ(lignes[2].simplified().section(' ', 0, 4), "2 0 image 300 200");
    EXPECT_EQ(p.pages(), 3);
}
