#include <QAction>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>

#include "core/diplomes/Rapports.h"
#include "support/FenetreTest.h"
#include "ui/diplomes/FenetreContactees.h"
#include "ui/diplomes/FenetreDiplomes.h"
#include "ui/diplomes/FenetreListeDiplome.h"
#include "ui/widgets/EnteteColonnes.h"

namespace {

QString qso(int i, bool qsl, const QString& ref = {}) {
    const QString r = ref.isEmpty() ? QString("DCF-%1").arg(i % 150 + 1, 3, 10, QChar('0')) : ref;
    return ligne(QString("F%1AB").arg(i % 10), "75", "JEAN", r, "14/05/15",
                 QString("10:%1").arg(i % 60, 2, 10, QChar('0')), "SSB", "14 Mhz", "NOTRE-DAME", qsl);
}

QStringList journal(int confirmes) {
    QStringList l;
    for (int i = 0; i < confirmes; ++i) l << qso(i, true);
    return l << qso(500, false) << qso(501, false);
}

class Diplomes : public FenetreTest {};

}  // namespace

TEST_F(Diplomes, LevelsAtTheirThresholds) {
    // Confirmed references, levels reached, the counts under the first and the last level.
    const std::tuple<int, int, QString, QString> cas[] = {
        {9, 0, "il vous manque 1 Cathédrales confirmées", "il vous manque 91 Cathédrales confirmées"},
        {10, 1, "avec les QSL des 10 Cathédrales confirmés", "il vous manque 90 Cathédrales confirmées"},
        {30, 2, "avec les QSL des 30 Cathédrales confirmés", "il vous manque 70 Cathédrales confirmées"},
        {99, 3, "avec les QSL des 99 Cathédrales confirmés", "il vous manque 1 Cathédrales confirmées"},
        {100, 4, "avec les QSL des 100 Cathédrales confirmés", "avec les QSL des 100 Cathédrales confirmés"},
    };
    for (const auto& [n, atteints, compteBase, compteTrophee] : cas) {
        SCOPED_TRACE(n);
        env.station("F5XYZ", journal(n));
        FenetreDiplomes w(env.ctx);
        const QLabel* statuts[] = {dans<QLabel>(&w, "statutBase"), dans<QLabel>(&w, "statutExcellence"),
                                   dans<QLabel>(&w, "statutHonneur"), dans<QLabel>(&w, "statutTrophee")};
        const QPushButton* boutons[] = {dans<QPushButton>(&w, "boutonBase"), dans<QPushButton>(&w, "boutonExcellence"),
                                        dans<QPushButton>(&w, "boutonHonneur"), dans<QPushButton>(&w, "boutonTrophee")};
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(std::make_tuple(boutons[i]->isEnabled(), statuts[i]->text(),
                                      statuts[i]->palette().color(QPalette::WindowText)),
                      std::make_tuple(i < atteints,
                                      i < atteints ? Rapports::niveaux()[i].atteint : Rapports::niveaux()[i].nonAtteint,
                                      i < atteints ? QColor(0, 128, 0) : QColor(255, 0, 0)))
                << i;
        EXPECT_EQ(QStringList({dans<QLabel>(&w, "compteBase")->text(), dans<QLabel>(&w, "compteTrophee")->text()}) +
                      env.dialogs.notices,
                  QStringList({compteBase, compteTrophee}));
    }
}

TEST_F(Diplomes, ALevelButtonOpensOneListThatSavesUnderTheLastLevelChosen) {
    ouvrir(journal(100));
    c<QAction>("actionDiplomes")->trigger();
    FenetreDiplomes* d = Windows::ouverte<FenetreDiplomes>();
    ASSERT_TRUE(d);
    QTest::mouseClick(dans<QPushButton>(d, "boutonTrophee"), Qt::LeftButton);
    FenetreListeDiplome* liste = Windows::ouverte<FenetreListeDiplome>();
    ASSERT_TRUE(liste);
    QLabel* niveau = dans<QLabel>(liste, "etiquetteNiveau");
    QPushButton* enregistrer = dans<QPushButton>(liste, "boutonEnregistrer");
    EXPECT_EQ(niveau->text() + "|" + dans<QLabel>(liste, "etiquetteNombre")->text() + "|" +
                  QString::number(liste->entrees().size()),
              "Diplome DCF Trophé| 100 Cathédrales confirmées|100");

    // Another level while it is open: same window and title, the new level's file.
    QTest::mouseClick(dans<QPushButton>(d, "boutonBase"), Qt::LeftButton);
    EXPECT_TRUE(Windows::ouverte<FenetreListeDiplome>() == liste && niveau->text() == "Diplome DCF Trophé");
    const QString nom = "F5XYZ_Diplome_DCF_de_Base_06_12_26.txt";
    env.writeFile(nom, QByteArray(5000, 'x'));  // overwritten
    QTest::mouseClick(enregistrer, Qt::LeftButton);
    EXPECT_EQ(messages(), QStringList{"Fichier enregistré sous le nom : " + nom});
    EXPECT_EQ(env.readFile(nom),
              TextFile::joinLines(Rapports::rapportDiplome("F5XYZ", "de Base", "06/12/2026", liste->entrees(),
                                                           Rapports::Support::Fichier)
                                      .lignesFichier()));

    // A hundred lines take two pages: the second under the column header too.
    ImprimantePdf imp(env.dir.filePath("diplome.pdf"));
    env.ctx.printer = &imp.printer;
    QTest::mouseClick(dans<QPushButton>(liste, "boutonImprimer"), Qt::LeftButton);
    const Impression lu = lireImpression(imp.pdf);
    ASSERT_EQ(lu.numeros, QStringList({"Page 1 / 2", "Page 2 / 2"}));
    const QStringList imprimees =
        Rapports::rapportDiplome("F5XYZ", "de Base", "06/12/2026", liste->entrees(), Rapports::Support::Impression)
            .lignesImprimees();
    const qsizetype coupure = lu.pages[0].size();
    auto sansBlancs = [](QStringList l) {
        for (QString& x : l) x = x.trimmed();
        return l;
    };
    EXPECT_EQ(sansBlancs(lu.pages[0]), sansBlancs(imprimees.mid(0, coupure)));
    EXPECT_EQ(sansBlancs(lu.pages[1]),
              sansBlancs(QStringList{Rapports::EnteteImpressionDiplome, ""} + imprimees.mid(coupure)));

    const QString bloque = "F5XYZ_Diplome_DCF_Excellence_06_12_26.txt";
    QDir(env.dir.path()).mkdir(bloque);  // a folder cannot be replaced
    QTest::mouseClick(dans<QPushButton>(d, "boutonExcellence"), Qt::LeftButton);
    QTest::mouseClick(enregistrer, Qt::LeftButton);
    EXPECT_EQ(messages(), QStringList{"Impossible d'enregistrer le fichier " + bloque});

    verifierEntete(dans<EnteteColonnes>(liste, "entete"), dans<QListView>(liste, "listeConfirmees"));
}

TEST_F(Diplomes, ContactedListShowsOneLinePerReferenceAndPrefixThenSavesAndPrints) {
    ouvrir({qso(1, true, "DCF-001"), qso(11, false, "DCF-001"), qso(2, true, "DBF-001B"),
            ligne("F6XYZ", "75", "", "DCF-001", "01/01/20", "10:00")});
    c<QAction>("actionContactees")->trigger();
    FenetreContactees* a = Windows::ouverte<FenetreContactees>();
    ASSERT_TRUE(a);
    const QStringList vues = a->entrees();
    ASSERT_EQ(vues.size(), 3);  // F1AB twice on DCF-001: once, the filter itself proven with the reports
    verifierEntete(dans<EnteteColonnes>(a, "entete"), dans<QListView>(a, "listeContactees"));
    // The title once, the frame of the list without a caption.
    EXPECT_EQ(dans<QLabel>(a, "titre")->text() + "|" + dans<QGroupBox>(a, "cadreListe")->title(),
              "Liste alphanumerique des Cathédrales et Basiliques contactées|");
    QTest::mouseClick(dans<QPushButton>(a, "boutonEnregistrer"), Qt::LeftButton);
    const QString nom = "Cathédrales_Contactes_F5XYZ_06_12_26.txt";
    EXPECT_EQ(messages(), QStringList{"Le log a été enregistré sous le nom : " + nom});
    EXPECT_EQ(env.readFile(nom),
              TextFile::joinLines(Rapports::rapportContactes("F5XYZ", "06/12/2026", vues).lignesFichier()));

    ImprimantePdf imp(env.dir.filePath("contactes.pdf"));
    env.ctx.printer = &imp.printer;
    QTest::mouseClick(dans<QPushButton>(a, "boutonImprimer"), Qt::LeftButton);
    const Impression lu = lireImpression(imp.pdf);
    EXPECT_EQ(lu.pages,
              QList<QStringList>{sansMarge(Rapports::rapportContactes("F5XYZ", "06/12/2026", vues).lignesImprimees())});
    EXPECT_EQ(lu.numeros, QStringList{"Page 1 / 1"});
    // The printer gets its own font back.
    EXPECT_TRUE(imp.printer.fontName() == "Arial" && !imp.printer.fontBold() && messages().isEmpty());

    for (bool accepte : {false, true}) {  // cancelled, then nowhere to print
        ImprimantePdf echec(env.dir.filePath("pas/de/dossier.pdf"), accepte);
        env.ctx.printer = &echec.printer;
        a->imprimer();
        EXPECT_EQ(QString::number(echec.dialogues) + messages().join('|'),
                  accepte ? "1Aucune imprimante n'est disponible" : "1");
    }
}
