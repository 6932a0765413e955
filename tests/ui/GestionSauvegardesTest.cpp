#include <QTreeWidget>

#include "core/sauvegarde/Sauvegardes.h"
#include "support/FenetreTest.h"
#include "ui/DialogueRestauration.h"
#include "ui/GestionSauvegardes.h"

namespace {

const QString A = ligne("F6AAA", "75", "JEAN", "DCF-002", "01/01/15", "10:00");
const QString B = ligne("F6BBB", "13", "", "DCF-003", "03/01/15", "10:00");

class GestionSauvegardesTest : public FenetreTest {
protected:
    Sauvegardes sauvegardes;
    QAction* annuler() { return c<QAction>("actionAnnuler"); }
    // The undo item's text, and whether it is greyed.
    QString annulation() { return annuler()->text() + (annuler()->isEnabled() ? "" : " (grisé)"); }
    // The logs backed up, newest first.
    QList<QByteArray> copies() {
        QList<QByteArray> r;
        for (const Sauvegardes::Copie& c : Sauvegardes::lister(env.ctx.path("Sauvegardes"), "F5XYZ"))
            r << lireFichier(c.chemin);
        return r;
    }
};

}  // namespace

// A deletion taken back from the menu: the item names it, "Non" keeps it
// deleted, "Oui" gives back the log. The day's first change was backed up
// first, and quitting backs up the log as it is: the log of before.
TEST_F(GestionSauvegardesTest, DeleteThenUndoWithTheDailyAndQuitBackups) {
    env.ctx.sauvegardes = &sauvegardes;
    GestionSauvegardes::relier(env.ctx);
    ouvrir({A, B});
    const QByteArray avant = env.readFile("F5XYZ_DCF.log");
    main->selectionnerQso(0);
    c<QPushButton>("boutonSupprimer")->click();  // Oui
    const QByteArray apres = env.readFile("F5XYZ_DCF.log");
    EXPECT_EQ(lignesListe(), 1);
    EXPECT_EQ(annulation(), "&Annuler : suppression de F6AAA DCF-002");
    EXPECT_EQ(copies(), QList<QByteArray>{avant});

    env.dialogs.answers = {false, true};
    annuler()->trigger();
    EXPECT_EQ(env.readFile("F5XYZ_DCF.log"), apres);
    annuler()->trigger();
    EXPECT_EQ(env.dialogs.questions.mid(1), QStringList(2, "Annuler la suppression de F6AAA DCF-002 ?"));
    EXPECT_EQ(lignesListe(), 2);
    EXPECT_EQ(annulation(), "&Annuler la dernière modification (grisé)");

    env.clock.utc = env.clock.utc.addSecs(60);
    GestionSauvegardes::fermer(env.ctx);
    EXPECT_EQ(copies(), QList<QByteArray>({avant, avant}));
    EXPECT_TRUE(env.dialogs.notices.isEmpty()) << env.dialogs.notices.join('\n').toStdString();
}

// The list, newest first with its QSOs; restoring asks, backs up the log as
// it is (which then shows in the list) and reloads the main window.
TEST_F(GestionSauvegardesTest, RestoreKeepsTheReplacedLogAsABackup) {
    ouvrir({A, B});
    const Sauvegardes::Lieu lieu = GestionSauvegardes::lieu(env.ctx);
    const QByteArray ancienne = TextFile::encode(A) + "\r\n";
    ASSERT_EQ(Sauvegardes::sauvegarder(lieu, ancienne, QDateTime(QDate(2026, 11, 30), QTime(9, 0))), "");
    ASSERT_EQ(Sauvegardes::sauvegarder(lieu, "x\r\ny\r\nz\r\n", QDateTime(QDate(2026, 12, 1), QTime(9, 0))), "");
    const QByteArray actuel = env.readFile("F5XYZ_DCF.log");
    DialogueRestauration d(env.ctx);
    auto* liste = dans<QTreeWidget>(&d, "listeSauvegardes");
    ASSERT_EQ(liste->topLevelItemCount(), 2);
    EXPECT_EQ(QStringList({liste->topLevelItem(1)->text(0), liste->topLevelItem(1)->text(1),
                           liste->topLevelItem(1)->text(2), liste->topLevelItem(0)->text(2)}),
              QStringList({"30/11/2026", "09:00:00", "1", "3"}));
    liste->setCurrentItem(liste->topLevelItem(1));
    env.dialogs.answers = {false, true};
    dans<QPushButton>(&d, "boutonRestaurer")->click();
    EXPECT_EQ(env.readFile("F5XYZ_DCF.log"), actuel);  // Non
    dans<QPushButton>(&d, "boutonRestaurer")->click();
    EXPECT_EQ(env.dialogs.questions.last(),
              "Remplacer le log de F5XYZ par la sauvegarde du 30/11/2026 à 09:00:00 ? Le log actuel sera d'abord "
              "sauvegardé.");
    EXPECT_EQ(env.readFile("F5XYZ_DCF.log"), ancienne);
    EXPECT_EQ(lignesListe(), 1);
    ASSERT_EQ(liste->topLevelItemCount(), 3);
    EXPECT_EQ(copies().first(), actuel);
    EXPECT_EQ(annulation(), "&Annuler : restauration de la sauvegarde du 30/11/2026 à 09:00:00");
}
