#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <QFileInfo>

#include "platform/SettingsStore.h"
#include "platform/TextFile.h"

namespace {

QByteArray lire(const QString& p) {
    QFile f(p);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

void ecrire(const QString& p, const QByteArray& b) {
    QFile f(p);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(b);
}

}  // namespace

TEST(TextFile, EveryByteSurvivesAReadAndAWrite) {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        if (b != '\r' && b != '\n') all.append(char(b));
    bool ok = false;
    EXPECT_EQ(TextFile::encode(TextFile::decode(all), &ok), all);
    EXPECT_TRUE(ok);
    EXPECT_EQ(TextFile::decode("\xE9\x80\x9C"), QString::fromUtf8("é€œ"));
}

TEST(TextFile, CharactersOutsideWindows1252AreReported) {
    bool ok = true;
    TextFile::encode(QString::fromUtf8("Łódź"), &ok);
    EXPECT_FALSE(ok);
    EXPECT_FALSE(TextFile::canEncode(QString::fromUtf8("日本")));
    EXPECT_TRUE(TextFile::canEncode(QString::fromUtf8("Cathédrale Notre-Dame € œ")));
}

TEST(TextFile, ReadingAcceptsLfCrLfAndAMissingLastEnd) {
    QTemporaryDir d;
    const QString p = d.filePath("a.txt");
    ecrire(p, "un\r\ndeux\ntrois\r\n\r\nquatre");
    EXPECT_EQ(TextFile::readLines(p), QStringList({"un", "deux", "trois", "", "quatre"}));
    bool ok = true;
    EXPECT_TRUE(TextFile::readLines(d.filePath("absent.txt"), &ok).isEmpty());
    EXPECT_FALSE(ok);
    ecrire(p, "");
    EXPECT_TRUE(TextFile::readLines(p, &ok).isEmpty());
    EXPECT_TRUE(ok);
}

TEST(TextFile, RewriteReplacesTheTargetAndLeavesNoTemporaryFile) {
    QTemporaryDir d;
    const QString target = d.filePath("F5XYZ_DCF.log");
    const QString tmp = d.filePath("Temporaire.txt");
    ecrire(target, "ancien\r\n");
    ecrire(tmp, "reste d'un arret brutal");
    QString err;
    ASSERT_TRUE(TextFile::rewriteLines(target, tmp, {"é1", "2"}, &err)) << err.toStdString();
    EXPECT_EQ(lire(target), QByteArray("\xE9" "1\r\n2\r\n"));
    EXPECT_FALSE(QFile::exists(tmp));
}

TEST(TextFile, FailedRewriteLeavesTheTargetByteForByte) {
    QTemporaryDir d;
    const QString target = d.filePath("F5XYZ_DCF.log");
    ecrire(target, "QSO precieux\r\n");

    // A directory where the temporary file should go: it cannot be created.
    QDir(d.path()).mkdir("Temporaire.txt");
    QString err;
    EXPECT_FALSE(TextFile::rewriteLines(target, d.filePath("Temporaire.txt"), {"x"}, &err));
    EXPECT_FALSE(err.isEmpty());
    EXPECT_EQ(lire(target), QByteArray("QSO precieux\r\n"));

    // A rename that fails: the target is a non-empty directory.
    QDir(d.path()).mkpath("cible/dedans");
    EXPECT_FALSE(TextFile::rewriteLines(d.filePath("cible"), d.filePath("T6.txt"), {"x"}, &err));
    EXPECT_FALSE(QFile::exists(d.filePath("T6.txt")));
}

TEST(TextFile, AFileThatCannotBeCreatedIsReported) {
    QTemporaryDir d;
    EXPECT_FALSE(TextFile::createEmpty(d.filePath("absent/X_DCF.log")));
    EXPECT_TRUE(TextFile::createEmpty(d.filePath("X_DCF.log")));
    EXPECT_EQ(QFileInfo(d.filePath("X_DCF.log")).size(), 0);
}

TEST(SettingsStore, SectionsWithABlankAndSeparateApplications) {
    QTemporaryDir d;
    {
        QtSettingsStore s(d.path());
        EXPECT_EQ(s.read("DCF", "Setup ", "Indicatif Station", "FXXXX"), "FXXXX");
        s.write("DCF", "Setup ", "Indicatif Station", "F5XYZ_P");
        s.write("DCF", "Setup F5XYZ_P", "Revision", " 1.0.3");
        s.write("Polyvox", "Setup F5XYZ_P", "bande Cluster", "5");
        s.write("DCF", "Setup F5XYZ_P", "bande Utilisee", "douze");
    }
    QtSettingsStore s(d.path());  // a later run
    EXPECT_EQ(s.read("DCF", "Setup ", "Indicatif Station", "FXXXX"), "F5XYZ_P");
    EXPECT_EQ(s.read("DCF", "Setup F5XYZ_P", "Revision", ""), " 1.0.3");
    EXPECT_EQ(s.read("DCF", "Setup F5XYZ_P", "bande Cluster", "0"), "0");
    EXPECT_EQ(s.read("Polyvox", "Setup F5XYZ_P", "bande Cluster", "0"), "5");
    EXPECT_EQ(s.readIndex("DCF", "Setup F5XYZ_P", "bande Utilisee"), 0);
    EXPECT_TRUE(QFile::exists(d.filePath("Vitralog/DCF.ini")));
    EXPECT_TRUE(QFile::exists(d.filePath("Vitralog/Polyvox.ini")));
}
