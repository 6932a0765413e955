#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "ui/diplomes/AffContacte.h"
#include "ui/diplomes/Commun.h"
#include "ui/diplomes/DiplomesDCF.h"
#include "ui/diplomes/ListeDCF.h"
#include "core/diplomes/Rapports.h"
#include "core/journal/TextFile.h"
#include "support/Doubles.h"
#include "support/ImpressionPdf.h"

namespace {

const QColor kRouge(255, 0, 0), kVert(0, 128, 0);

QString qso(int i, bool qsl, const QString& ref = {}) {
    const QString r = ref.isEmpty() ? QString("DCF-%1").arg(i % 150 + 1, 3, 10, QChar('0')) : ref;
    return ligne(QString("F%1AB").arg(i % 10), "75", "JEAN", r, "14/05/15",
                 QString("10:%1").arg(i % 60, 2, 10, QChar('0')), "SSB", "14 Mhz", "NOTRE-DAME", qsl);
}

QStringList journal(int confirmes, int autres = 3) {
    QStringList l;
    for (int i = 0; i < confirmes; ++i) l << qso(i, true);
    for (int i = 0; i < autres; ++i) l << qso(500 + i, false);
    return l;
}

QColor couleur(const QLabel* l) { return l->palette().color(QPalette::WindowText); }

// Windows open beside each other and delete themselves on close; each test
// starts with none left from the one before.
class Fenetres : public ::testing::Test {
protected:
    void TearDown() override {
        for (QWidget* w : QApplication::topLevelWidgets()) w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    template <class W>
    W* ouverte() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* t = qobject_cast<W*>(w); t && t->isVisible()) return t;
        return nullptr;
    }
    TestEnv env;
};

}  // namespace

TEST_F(Fenetres, LevelsAtTheirThresholds) {
    struct Cas {
        int n;
        QList<bool> atteints;
        QString compteBase, compteTrophee;
    };
    const QList<Cas> cas = {
        {0, {false, false, false, false}, "il vous manque 10 Cathédrales confirmées", "il vous manque 100 Cathédrales confirmées"},
        {9, {false, false, false, false}, "il vous manque 1 Cathédrales confirmées", "il vous manque 91 Cathédrales confirmées"},
        {10, {true, false, false, false}, "avec les QSL des 10 Cathédrales confirmés", "il vous manque 90 Cathédrales confirmées"},
        {30, {true, true, false, false}, "avec les QSL des 30 Cathédrales confirmés", "il vous manque 70 Cathédrales confirmées"},
        {99, {true, true, true, false}, "avec les QSL des 99 Cathédrales confirmés", "il vous manque 1 Cathédrales confirmées"},
        {100, {true, true, true, true}, "avec les QSL des 100 Cathédrales confirmés", "avec les QSL des 100 Cathédrales confirmés"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.n);
        env.station("F5XYZ", journal(c.n));
        Diplomes_DCF w(env.ctx);
        const QLabel* statuts[] = {w.Label4, w.Label7, w.Label12, w.Label15};
        const QPushButton* boutons[] = {w.HF_Base, w.HF_Excellence, w.HF_Honneur, w.HF_Trophe};
        for (int i = 0; i < 4; ++i) {
            const Rapports::Niveau& niv = Rapports::niveaux()[i];
            EXPECT_EQ(boutons[i]->isEnabled(), c.atteints[i]);
            EXPECT_EQ(statuts[i]->text(), c.atteints[i] ? niv.atteint : niv.nonAtteint);
            EXPECT_EQ(couleur(statuts[i]), c.atteints[i] ? kVert : kRouge);
        }
        EXPECT_EQ(w.Label18->text(), c.compteBase);
        EXPECT_EQ(w.Label21->text(), c.compteTrophee);
    }
    EXPECT_TRUE(env.dialogs.notices.isEmpty());
}

TEST_F(Fenetres, TenConfirmationsOfOneReferenceReachTheBase) {
    QStringList l;
    for (int i = 0; i < 10; ++i) l << qso(i, true, "DCF-007");
    for (int i = 0; i < 30; ++i) l << qso(i, false, "DCF-007");
    env.station("F5XYZ", l);
    Diplomes_DCF w(env.ctx);
    EXPECT_TRUE(w.HF_Base->isEnabled());
    EXPECT_FALSE(w.HF_Excellence->isEnabled());
    EXPECT_EQ(w.Label19->text(), "il vous manque 20 Cathédrales confirmées");
}

TEST_F(Fenetres, UnreadableLogCountsNothingAndSaysSo) {
    env.ctx.station = "F5XYZ";  // no log file
    Diplomes_DCF w(env.ctx);
    EXPECT_EQ(w.Label18->text(), "il vous manque 10 Cathédrales confirmées");
    EXPECT_EQ(env.dialogs.notices, QStringList({"Impossible de lire le log F5XYZ_DCF.log"}));
    Aff_Contacte a(env.ctx);
    EXPECT_TRUE(a.entrees().isEmpty());
    EXPECT_EQ(env.dialogs.notices.size(), 2);
}

TEST_F(Fenetres, ButtonsOpenOneListThatSavesUnderTheCurrentLevel) {
    env.station("F5XYZ", journal(100));
    Diplomes_DCF w(env.ctx);
    QTest::mouseClick(w.HF_Trophe, Qt::LeftButton);
    EXPECT_EQ(env.ctx.Niveau_Diplome, QString::fromUtf8("Trophé"));
    Liste_DCF* liste = ouverte<Liste_DCF>();
    ASSERT_TRUE(liste);
    EXPECT_EQ(liste->Label4->text(), QString::fromUtf8("Diplome DCF Trophé"));
    EXPECT_EQ(liste->Label3->text(), " 100 Cathédrales confirmées");
    EXPECT_TRUE(liste->Enregistrer->isEnabled());
    EXPECT_EQ(liste->entrees().size(), 100);

    // Another level while it is open: same window, same title, new level.
    QTest::mouseClick(w.HF_Base, Qt::LeftButton);
    EXPECT_EQ(ouverte<Liste_DCF>(), liste);
    EXPECT_EQ(liste->Label4->text(), QString::fromUtf8("Diplome DCF Trophé"));
    QTest::mouseClick(liste->Enregistrer, Qt::LeftButton);
    EXPECT_EQ(env.dialogs.notices,
              QStringList({"Fichier enregistré sous le nom : F5XYZ_Diplome_DCF_de_Base_06_12_26.txt"}));
    const QByteArray b = env.readFile("F5XYZ_Diplome_DCF_de_Base_06_12_26.txt");
    EXPECT_EQ(b, TextFile::joinLines(Rapports::fichierDiplome("F5XYZ", "06/12/2026", liste->entrees())));
    EXPECT_TRUE(b.contains("\r\n  100 "));
}

TEST_F(Fenetres, AwardListHeaderReadsAsWrittenOverTheList) {
    env.station("F5XYZ", journal(1));
    Liste_DCF l(env.ctx);
    EXPECT_EQ(l.Label2->text(), Rapports::EnteteListeDiplome);
    EXPECT_EQ(l.Label2->font(), l.Liste_DCF_Contacte->font());
    // Each title is drawn at the list column it has in the header text.
    const qreal car = QFontMetricsF(l.Liste_DCF_Contacte->font()).horizontalAdvance(QLatin1Char('0'));
    const int marge = Awards::margeTexte(l.Liste_DCF_Contacte);
    const QStringList titres = {"Ref", "Dpt", "Nom de la cathédrale", "Date", "Heure", "Indicatif"};
    const QList<qreal> xs = l.Label2->positions();
    ASSERT_EQ(xs.size(), titres.size());
    for (qsizetype i = 0; i < titres.size(); ++i)
        EXPECT_DOUBLE_EQ(xs[i], marge + l.Label2->text().indexOf(titres[i]) * car) << titres[i].toStdString();
}

TEST_F(Fenetres, SavingOverwritesAndAFailedSaveIsNotReportedAsDone) {
    env.station("F5XYZ", journal(2));
    env.ctx.Niveau_Diplome = "Honneur";
    const QString nom = "F5XYZ_Diplome_DCF_Honneur_06_12_26.txt";
    env.writeFile(nom, QByteArray(5000, 'x'));
    Liste_DCF l(env.ctx);
    l.Enregistrer_Click();
    EXPECT_EQ(env.readFile(nom), TextFile::joinLines(Rapports::fichierDiplome("F5XYZ", "06/12/2026", l.entrees())));

    // A directory where the file should go cannot be replaced.
    env.ctx.Niveau_Diplome = "Excellence";
    QDir(env.dir.path()).mkdir("F5XYZ_Diplome_DCF_Excellence_06_12_26.txt");
    env.dialogs.notices.clear();
    l.Enregistrer_Click();
    EXPECT_EQ(env.dialogs.notices,
              QStringList({"Impossible d'enregistrer le fichier F5XYZ_Diplome_DCF_Excellence_06_12_26.txt"}));
}

TEST_F(Fenetres, ContactedListShowsFilteredEntriesAndSavesThem) {
    env.station("F5XYZ", {qso(1, true, "DCF-001"), qso(11, false, "DCF-001"), qso(2, true, "DBF-001B"),
                          ligne("F6XYZ", "75", "", "DCF-001", "01/01/20", "10:00")});
    Aff_Contacte a(env.ctx);
    EXPECT_EQ(a.Label2->text(), Rapports::EnteteListeContactes);
    ASSERT_EQ(a.entreesTriees().size(), 4);
    EXPECT_FALSE(a.Liste_DCF_Contacte_bis->isVisibleTo(&a));
    const QStringList vues = a.entrees();
    ASSERT_EQ(vues.size(), 3);
    EXPECT_EQ(vues[0].mid(6, 8), "DBF-001B");
    EXPECT_EQ(vues[1].mid(6, 12), "DCF-001  F1A");
    EXPECT_EQ(vues[2].mid(6, 12), "DCF-001  F6X");

    QTest::mouseClick(a.Enregistrer, Qt::LeftButton);
    const QString nom = QString::fromUtf8("Cathédrales_Contactes_F5XYZ_06_12_26.txt");
    EXPECT_EQ(env.dialogs.notices, QStringList({"Le log a été enregistré sous le nom : " + nom}));
    EXPECT_TRUE(QFile::exists(env.dir.path() + "/" + nom));
    EXPECT_EQ(env.readFile(nom), TextFile::joinLines(Rapports::fichierContactes("F5XYZ", "06/12/2026", vues)));
}

TEST_F(Fenetres, AwardListPrintsToPaperInOrderAcrossPages) {
    env.station("F5XYZ", journal(120) << qso(1, true, "DBF-001B"));
    env.ctx.Niveau_Diplome = "Excellence";
    ImprimantePdf imp(env.dir.path() + "/liste.pdf");
    env.ctx.printer = &imp.printer;
    Liste_DCF l(env.ctx);
    l.Imprimer_Click();
    EXPECT_TRUE(env.dialogs.notices.isEmpty());
    EXPECT_EQ(imp.dialogues, 1);
    const QList<QStringList> pages = lirePdf(imp.pdf);
    ASSERT_GE(pages.size(), 2);
    const QStringList attendu = Rapports::impressionDiplome("F5XYZ", "Excellence", "06/12/2026", l.entrees());
    // Every page holds the next lines; the heading is on the first one only.
    qsizetype debut = 0;
    for (const QStringList& page : pages) {
        QStringList suite = attendu.mid(debut, page.size());
        EXPECT_EQ(page, sansMarge(suite));
        debut += page.size();
        while (debut < attendu.size() && attendu[debut].isEmpty()) ++debut;
    }
    EXPECT_EQ(debut, attendu.size());
    EXPECT_TRUE(pages[0][0].contains("F5XYZ Diplome DCF Excellence du 06/12/26"));
    EXPECT_TRUE(pages[0][4].contains("1    DBF-001B"));
    EXPECT_FALSE(pages[1].join("\n").contains("Diplome DCF"));
    // The printer gets its own font back.
    EXPECT_EQ(imp.printer.fontName(), "Arial");
    EXPECT_EQ(imp.printer.fontSize(), 10);
    EXPECT_FALSE(imp.printer.fontBold());
}

TEST_F(Fenetres, CancelPrintsNothingAndNoPrinterSaysSo) {
    env.station("F5XYZ", journal(12));
    Aff_Contacte a(env.ctx);
    ImprimantePdf annule(env.dir.path() + "/annule.pdf", false);
    env.ctx.printer = &annule.printer;
    a.Imprimer_Contactes();
    EXPECT_EQ(annule.dialogues, 1);
    EXPECT_FALSE(QFile::exists(annule.pdf));
    EXPECT_TRUE(env.dialogs.notices.isEmpty());
    EXPECT_FALSE(annule.printer.fontBold());

    ImprimantePdf nulle(env.dir.path() + "/pas/de/dossier.pdf");
    env.ctx.printer = &nulle.printer;
    a.Imprimer_Contactes();
    EXPECT_EQ(env.dialogs.notices, QStringList({"Aucune imprimante n'est disponible"}));
    EXPECT_EQ(nulle.printer.fontName(), "Arial");

    env.ctx.printer = nullptr;
    env.dialogs.notices.clear();
    a.Imprimer_Contactes();
    EXPECT_EQ(env.dialogs.notices, QStringList({"Aucune imprimante n'est disponible"}));
}

TEST_F(Fenetres, ContactedListOnPaper) {
    env.station("F5XYZ", {qso(1, true, "DCF-001"), qso(2, false, "DBF-001B")});
    ImprimantePdf imp(env.dir.path() + "/contactes.pdf");
    env.ctx.printer = &imp.printer;
    Aff_Contacte a(env.ctx);
    QTest::mouseClick(a.Imprimer, Qt::LeftButton);
    const QList<QStringList> pages = lirePdf(imp.pdf);
    ASSERT_EQ(pages.size(), 1);
    EXPECT_EQ(pages[0], sansMarge(Rapports::impressionContactes("F5XYZ", "06/12/2026", a.entrees())));
}
