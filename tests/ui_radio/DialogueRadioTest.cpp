#include <gtest/gtest.h>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeView>

#include "core/Reglages.h"
#include "support/Doubles.h"
#include "ui/DialogueRadio.h"

namespace {

template <class W>
W* controle(QWidget& w, const char* nom) {
    W* c = w.findChild<W*>(QString::fromLatin1(nom));
    EXPECT_NE(c, nullptr) << nom;
    return c;
}

void valider(QDialog& d) { controle<QDialogButtonBox>(d, "boutons")->buttons().first()->click(); }

QStringList reglages(TestEnv& env) {
    QStringList v;
    for (const QString& cle :
         {Reglages::RadioAdresse, Reglages::RadioModele, Reglages::RadioPort, Reglages::RadioVitesse})
        v << env.settings->read(Reglages::App, Reglages::Global, cle, QStringLiteral("-"));
    return v;
}

}  // namespace

// A model found by maker and model among those rigctl lists, its device and
// speed stored; the dialog opened again shows them.
TEST(DialogueRadio, ModeleDeLaListe) {
    TestEnv env;
    {
        DialogueRadio d(*env.settings, env.dialogs);
        auto* liste = controle<QTreeView>(d, "listeModeles");
        ASSERT_TRUE(QTest::qWaitFor([&] { return liste->model()->rowCount() > 100; }, 5000));
        EXPECT_TRUE(controle<QRadioButton>(d, "choixAucune")->isChecked());
        QTest::keyClicks(controle<QLineEdit>(d, "champRecherche"), "icom 7300");
        ASSERT_EQ(liste->model()->rowCount(), 1);
        liste->setCurrentIndex(liste->model()->index(0, 0));
        EXPECT_TRUE(controle<QRadioButton>(d, "choixModele")->isChecked());
        controle<QComboBox>(d, "champPort")->setCurrentText("/dev/ttyUSB0");
        controle<QComboBox>(d, "champVitesse")->setCurrentText("19200");
        valider(d);
        EXPECT_EQ(d.result(), QDialog::Accepted);
    }
    EXPECT_EQ(reglages(env), QStringList({"", "3073", "/dev/ttyUSB0", "19200"}));

    DialogueRadio d(*env.settings, env.dialogs);
    auto* liste = controle<QTreeView>(d, "listeModeles");
    ASSERT_TRUE(QTest::qWaitFor([&] { return liste->currentIndex().isValid(); }, 5000));
    EXPECT_EQ(liste->currentIndex().siblingAtColumn(1).data().toString(), "IC-7300");
    EXPECT_TRUE(controle<QRadioButton>(d, "choixModele")->isChecked());
    EXPECT_EQ(controle<QComboBox>(d, "champVitesse")->currentText(), "19200");
}

// An address that does not read is refused with its message; a good one
// replaces the model.
TEST(DialogueRadio, Adresse) {
    TestEnv env;
    env.settings->write(Reglages::App, Reglages::Global, Reglages::RadioModele, "1");
    DialogueRadio d(*env.settings, env.dialogs);
    QTest::keyClicks(controle<QLineEdit>(d, "champAdresse"), "shack:99999");
    EXPECT_TRUE(controle<QRadioButton>(d, "choixAdresse")->isChecked());
    valider(d);
    EXPECT_EQ(env.dialogs.notices,
              QStringList("Adresse de rigctld invalide : indiquez hôte:port, par exemple 127.0.0.1:4532"));
    EXPECT_EQ(reglages(env), QStringList({"-", "1", "-", "-"}));
    controle<QLineEdit>(d, "champAdresse")->setText("shack:4532");
    valider(d);
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(reglages(env), QStringList({"shack:4532", "", "-", "-"}));
}

// Without Hamlib's tools the dialog says which package to install, and a
// model cannot be chosen: the settings stay as they were.
TEST(DialogueRadio, SansRigctld) {
    TestEnv env;
    env.settings->write(Reglages::App, Reglages::Global, Reglages::RadioAdresse, "127.0.0.1:4532");
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", env.dir.path().toLocal8Bit());
    DialogueRadio d(*env.settings, env.dialogs);
    const QString message = "rigctld est introuvable : installez le paquet libhamlib-utils";
    EXPECT_EQ(controle<QLabel>(d, "messageModeles")->text(), message);
    controle<QRadioButton>(d, "choixModele")->setChecked(true);
    valider(d);
    qputenv("PATH", path);
    EXPECT_EQ(env.dialogs.notices, QStringList(message));
    EXPECT_NE(d.result(), QDialog::Accepted);
    EXPECT_EQ(reglages(env), QStringList({"127.0.0.1:4532", "-", "-", "-"}));
}
