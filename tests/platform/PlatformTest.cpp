// The platform services: the data folder and its lock, the settings files,
// the windows' single instances, and the printer.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include "platform/DossierDonnees.h"
#include "platform/Printer.h"
#include "platform/SettingsStore.h"
#include "platform/Windows.h"
#include "support/ImpressionPdf.h"
#include "support/Journal.h"

TEST(Dossier, ChosenOnTheCommandLineOrByTheEnvironment) {
    qputenv("VITRALOG_DOSSIER", "/tmp/p3");
    EXPECT_EQ(DossierDonnees::choisir("relatif"), QDir::current().filePath("relatif"));
    EXPECT_EQ(DossierDonnees::choisir({}), "/tmp/p3");
    qunsetenv("VITRALOG_DOSSIER");
    const QString defaut = DossierDonnees::choisir({});
    EXPECT_TRUE(defaut.endsWith("/Vitralog") && !defaut.endsWith("Vitralog/Vitralog"));
}

TEST(Dossier, OldFilesMoveInAndNothingIsOverwritten) {
    DossierCarnet ancien, nouveau;
    ancien.writeFile("F5XYZ_DCF.log", "ancien log");
    ancien.writeFile("Liste_Prenom.txt", "anciens");
    ancien.writeFile("vitralog", "x");
    nouveau.writeFile("Liste_Prenom.txt", "actuels");
    EXPECT_EQ(DossierDonnees::migrer({ancien.dir.path(), "/nulle/part"}, nouveau.dir.path()),
              QStringList{"F5XYZ_DCF.log"});
    EXPECT_EQ(nouveau.readFile("F5XYZ_DCF.log") + nouveau.readFile("Liste_Prenom.txt") +
                  ancien.readFile("Liste_Prenom.txt") + ancien.readFile("vitralog"),
              "ancien logactuelsanciensx");
}

TEST(Dossier, OneCopyPerFolderAndAKilledCopyDoesNotBlock) {
    QTemporaryDir dir;
    {
        auto premier = DossierDonnees::verrouiller(dir.path());
        ASSERT_TRUE(premier);
        EXPECT_FALSE(DossierDonnees::verrouiller(dir.path()));
    }
    // A copy that dies holding the lock leaves its file behind.
    if (fork() == 0) _exit(DossierDonnees::verrouiller(dir.path()) ? 0 : 1);  // no unlock
    int statut = 0;
    wait(&statut);
    ASSERT_EQ(WEXITSTATUS(statut), 0);
    ASSERT_TRUE(QFile::exists(dir.filePath(".vitralog.lock")));
    EXPECT_TRUE(DossierDonnees::verrouiller(dir.path()));
}

TEST(SettingsStore, SectionsWithABlankAndSeparateApplications) {
    QTemporaryDir d;
    QtSettingsStore(d.path()).write("DCF", "Setup ", "Indicatif Station", "F5XYZ_P");
    QtSettingsStore(d.path()).write("DCF", "Setup F5XYZ_P", "Revision", " 1.0.3");
    QtSettingsStore(d.path()).write("Polyvox", "Setup F5XYZ_P", "bande Cluster", "5");
    QtSettingsStore(d.path()).write("DCF", "Setup F5XYZ_P", "bande Utilisee", "douze");
    QtSettingsStore s(d.path());  // a later run
    EXPECT_EQ(QStringList({s.read("DCF", "Setup ", "Indicatif Station", "FXXXX"),
                           s.read("DCF", "Setup F5XYZ_P", "Revision", ""),
                           s.read("DCF", "Setup F5XYZ_P", "bande Cluster", "0"),
                           s.read("Polyvox", "Setup F5XYZ_P", "bande Cluster", "0")}),
              QStringList({"F5XYZ_P", " 1.0.3", "0", "5"}));
    EXPECT_EQ(s.readIndex("DCF", "Setup F5XYZ_P", "bande Utilisee"), 0);
    EXPECT_TRUE(QFile::exists(d.filePath("Vitralog/Polyvox.ini")));
}

TEST(Windows, OneInstancePerKindWhoeverOpensItCentredOnTheScreen) {
    int construites = 0;
    struct Fenetre : QLabel {
        explicit Fenetre(int& n) { ++n; }
    };
    Fenetre* a = Windows::openSingle<Fenetre>([&] { return new Fenetre(construites); });
    // Another place in the code, another factory: still the open window.
    EXPECT_EQ(Windows::openSingle<Fenetre>([&] { return new Fenetre(construites); }), a);
    EXPECT_EQ(construites, 1);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(a));
    const QPoint ecart = a->geometry().center() - a->screen()->geometry().center();
    EXPECT_LE(ecart.manhattanLength(), 4);

    // Closing discards it; the next opening builds a new one.
    a->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(Windows::ouverte<Fenetre>().isNull());
    delete Windows::openSingle<Fenetre>([&] { return new Fenetre(construites); });
    EXPECT_EQ(construites, 2);
}

// Every page after the first starts with the header; every page ends with
// its number; the lines themselves come out whole, in order, once. The next
// document on the same printer has no header, and its picture takes a page
// of its own; a destination that cannot be written is refused.
TEST(QtPrinter, NumberedPagesUnderTheHeaderThenAPictureOnAPageOfItsOwn) {
    QTemporaryDir dir;
    ImprimantePdf imp(dir.path() + "/lignes.pdf");
    QtPrinter& p = imp.printer;
    p.setFont("Courier New", 9, true);
    ASSERT_TRUE(p.dialog());
    ASSERT_TRUE(p.begin());
    const QStringList entete = {"Ref      Indicatif", ""};
    p.setPageHeader(entete);
    QStringList attendu;
    for (int i = 1; i <= 200; ++i) attendu << QString("ligne %1  DCF-001").arg(i, 3, 10, QChar('0'));
    for (const QString& l : attendu) p.printLine(l);
    ASSERT_TRUE(p.endDoc());
    Impression lu = lireImpression(imp.pdf);
    ASSERT_GE(lu.pages.size(), 3);
    EXPECT_GT(lu.pages[0].size(), 60);  // a full first page
    QStringList lignes;
    for (qsizetype n = 0; n < lu.pages.size(); ++n) {
        EXPECT_EQ(lu.numeros[n], QString("Page %1 / %2").arg(n + 1).arg(lu.pages.size()));
        EXPECT_TRUE(n == 0 || lu.pages[n].mid(0, 2) == entete) << n;
        lignes << lu.pages[n].mid(n ? 2 : 0);
    }
    EXPECT_EQ(lignes, attendu);  // nothing lost or doubled at a break

    imp.pdf = dir.path() + "/image.pdf";
    ASSERT_TRUE(p.dialog());
    QImage image(300, 200, QImage::Format_RGB32);
    image.fill(Qt::green);
    p.printLine("avant");
    p.printImage(image);
    p.printLine("après");
    ASSERT_TRUE(p.endDoc());
    lu = lireImpression(imp.pdf);
    EXPECT_EQ(lu.numeros, QStringList({"Page 1 / 3", "Page 2 / 3", "Page 3 / 3"}));
    EXPECT_EQ(lu.pages, QList<QStringList>({{"avant"}, {}, {"après"}}));
    QProcess images;  // page, number, type, width, height
    images.start("pdfimages", {"-list", imp.pdf});
    ASSERT_TRUE(images.waitForFinished(30000));
    const QStringList sortie = QString::fromUtf8(images.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(sortie.size(), 3);
    EXPECT_EQ(sortie[2].simplified().section(' ', 0, 4), "2 0 image 300 200");

    imp.pdf = dir.path() + "/absent/x.pdf";
    ASSERT_TRUE(p.dialog());
    EXPECT_FALSE(p.begin());
    EXPECT_FALSE(p.endDoc());
}
