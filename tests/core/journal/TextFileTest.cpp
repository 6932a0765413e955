#include <gtest/gtest.h>

#include "core/journal/TextFile.h"
#include "support/Journal.h"

// Windows-1252 both ways and any line end.
TEST(TextFile, EncodingAndLineEnds) {
    DossierCarnet d;
    QByteArray tous;
    for (int b = 0; b < 256; ++b)
        if (b != '\r' && b != '\n') tous.append(char(b));
    bool ok = false, bon = false;
    EXPECT_EQ(TextFile::encode(TextFile::decode(tous), &bon), tous);
    EXPECT_EQ(TextFile::decode("\xE9\x80\x9C"), QString::fromUtf8("é€œ"));
    TextFile::encode(QString::fromUtf8("Łódź"), &ok);
    EXPECT_TRUE(bon && !ok && !TextFile::canEncode(QString::fromUtf8("日本")));
    d.writeFile("a.txt", "un\r\ndeux\ntrois\r\n\r\nquatre");
    EXPECT_EQ(TextFile::readLines(d.path("a.txt"), &ok), QStringList({"un", "deux", "trois", "", "quatre"}));
    EXPECT_TRUE(ok && TextFile::readLines(d.path("absent.txt"), &ok).isEmpty() && !ok);
    EXPECT_FALSE(TextFile::createEmpty(d.path("absent/X_DCF.log")));
}
