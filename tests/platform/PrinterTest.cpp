#include <gtest/gtest.h>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include "platform/Printer.h"
#include "support/ImpressionPdf.h"

namespace {

QStringList numeros(int n) {
    QStringList out;
    for (int i = 1; i <= n; ++i) out << QString("Page %1 / %2").arg(i).arg(n);
    return out;
}

}  // namespace

// Every page after the first starts with the header; every page ends with
// its number; the lines themselves come out whole, in order, once.
TEST(QtPrinter, LinesRunOnToNumberedPagesUnderTheHeaderAndABadDestinationIsRefused) {
    QTemporaryDir dir;
    ImprimantePdf imp(dir.path() + "/lignes.pdf");
    QtPrinter& p = imp.printer;
    p.setFont("Courier New", 9, true);
    ASSERT_TRUE(p.dialog());
    ASSERT_TRUE(p.begin());
    const QStringList entete = {"Ref      Indicatif", ""};
    p.setPageHeader(entete);
    QStringList attendu;
    for (int i = 1; i <= 200; ++i) {
        attendu << QString("ligne %1  DCF-001").arg(i, 3, 10, QChar('0'));
        p.printLine(attendu.last());
    }
    ASSERT_TRUE(p.endDoc());
    Impression lu = lireImpression(imp.pdf);
    ASSERT_GE(lu.pages.size(), 3);
    EXPECT_EQ(lu.numeros, numeros(p.pages()));
    EXPECT_GT(lu.pages[0].size(), 60);  // a full first page
    QStringList lignes = lu.pages[0];
    for (qsizetype n = 1; n < lu.pages.size(); ++n) {
        EXPECT_EQ(lu.pages[n].mid(0, 2), entete) << n;
        lignes << lu.pages[n].mid(2);
    }
    EXPECT_EQ(lignes, attendu);  // nothing lost or doubled at a break

    // The header was for that document only.
    ImprimantePdf court(dir.path() + "/court.pdf");
    ASSERT_TRUE(court.printer.dialog());
    court.printer.printLine("seule");
    ASSERT_TRUE(court.printer.endDoc());
    lu = lireImpression(court.pdf);
    EXPECT_EQ(lu.numeros + lu.pages.value(0), QStringList({"Page 1 / 1", "seule"}));

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
    const Impression lu = lireImpression(imp.pdf);
    EXPECT_EQ(lu.numeros, numeros(3));
    EXPECT_EQ(lu.pages, QList<QStringList>({{"avant"}, {}, {"après"}}));
    QProcess images;  // page, number, type, width, height
    images.start("pdfimages", {"-list", imp.pdf});
    ASSERT_TRUE(images.waitForFinished(30000));
    const QStringList lignes = QString::fromUtf8(images.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lignes.size(), 3);
    EXPECT_EQ(lignes[2].simplified().section(' ', 0, 4), "2 0 image 300 200");
    EXPECT_EQ(p.pages(), 3);
}
