#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>

#include "core/journal/Carnet.h"
#include "support/FenetreTest.h"

namespace {

const QString A = ligne("F6AAA", "75", "JEAN", "DCF-002", "01/01/15", "10:00");
const QString B = ligne("F6BBB", "13", "", "DCF-003", "03/01/15", "10:00");

class Enregistrement : public FenetreTest {
protected:
    void doubleClic(int row) {
        QListView* l = c<QListView>("listeQso");
        const QPoint p = l->visualRect(l->model()->index(row, 0)).center();
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, p);  // a double click comes after a click
        QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, p);
    }
    QString modeAff() { return c<QLabel>("etiquetteEtat")->text(); }
    // Where each control of the entry frame stands.
    QList<QRect> grille() {
        QApplication::processEvents();  // the layout follows a change of text when it is asked to
        QList<QRect> g;
        for (const QWidget* w : c<QGroupBox>("cadreSaisie")->findChildren<QWidget*>()) g << w->geometry();
        return g;
    }
};

}  // namespace

TEST_F(Enregistrement, EditInsertAndDeleteFromTheList) {
    ouvrir({A, B});
    const QList<QRect> grilleSaisie = grille();
    doubleClic(1);
    EXPECT_EQ(modeAff(), "Modification QSO");
    EXPECT_EQ(grille(), grilleSaisie);  // a change of state moves no control
    EXPECT_EQ(c("champIndicatif")->text(), "F6BBB");
    c("champHeure")->setText("11:45");
    c<QPushButton>("boutonValider")->click();
    EXPECT_EQ(log(), QStringList({A, QString(B).replace(49, 5, "11:45")}));
    EXPECT_EQ(modeAff(), "Saisie QSO");

    // Inserted by its date, even with the automatic date.
    c<QPushButton>("boutonInserer")->click();
    EXPECT_EQ(modeAff(), "Insertion QSO");
    EXPECT_EQ(grille(), grilleSaisie);
    for (const char* t : {"f6ddd", "", "dcf-009", "31", "02/01/15", "09:00", "", "", "", "", ""}) taper(t);
    QTest::keyClick(focus(), Qt::Key_Space);
    ASSERT_EQ(log().size(), 3);
    EXPECT_TRUE(log()[1].startsWith("F6DDD        31                 DCF-009 02/01/15 09:00"));

    // Delete the first line: No keeps it, Yes removes it and renumbers the list.
    for (bool oui : {false, true}) {
        main->selectionnerQso(0);
        env.dialogs.answers = {oui};
        c<QPushButton>("boutonSupprimer")->click();
    }
    EXPECT_EQ(env.dialogs.questions.last(), "Voulez vous Supprimer ce QSO ?");
    ASSERT_EQ(log().size(), 2);
    EXPECT_TRUE(log()[0].startsWith("F6DDD"));
    EXPECT_EQ(ligneListe(0).left(8), "     1  ");
}

TEST_F(Enregistrement, ARefusedSaveAndAFailedWriteKeepTheLogAndTheForm) {
    ouvrir({A});
    const QByteArray octets = env.readFile("F5XYZ_DCF.log");
    doubleClic(0);
    c("champNom")->setText("Cath\u00e9drale \u0141\u00f3d\u017a");
    c<QPushButton>("boutonValider")->click();
    EXPECT_EQ(messages(), QStringList{"Le champ \"Nom de la Cathédrale\" contient un caractère que le log ne "
                                      "peut pas enregistrer : \u0141"});
    EXPECT_EQ(focus(), c("champNom"));
    EXPECT_TRUE(env.dialogs.questions.isEmpty());

    c<QPushButton>("boutonEffacer")->click();
    for (const char* t : {"f6abc", "", "dcf-001", "18", "", "", "", "", ""}) taper(t);
    QFile::setPermissions(env.ctx.logPath(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    messages();
    QTest::keyClick(focus(), Qt::Key_Space);
    EXPECT_EQ(messages(), QStringList{Carnet::messageEcriture(env.ctx.logPath(), true)});
    EXPECT_EQ(env.readFile("F5XYZ_DCF.log"), octets);
    EXPECT_EQ(c("champIndicatif")->text(), "F6ABC");
    EXPECT_EQ(c("champReference")->text(), "DCF-001");
    EXPECT_FALSE(QFile::exists(env.ctx.path("Liste_Prenom.txt")));  // nothing saved, nothing remembered
}
