#include <gtest/gtest.h>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "core/diplomes/Rapports.h"
#include "core/journal/TextFile.h"
#include "support/Doubles.h"
#include "support/ImpressionPdf.h"
#include "ui/ImportConfirmations.h"

namespace {

const QString kEvry = ligne("F5ABC", "91", "RENÉ", "DCF-001", "15/06/21", "14:32", "SSB", "14 Mhz", "C. D'ÉVRY");
const QByteArray kLotw =
    "ARRL Logbook of the World Status Report\r\n<APP_LoTW_LASTQSL:19>2021-07-01 10:00:00\r\n<eoh>\r\n"
    "<CALL:5>F5ABC<BAND:3>20M<MODE:3>USB<QSO_DATE:8>20210615<TIME_ON:6>143000<QSL_RCVD:1>Y<eor>\r\n"
    "<CALL:5>F9ZZZ<BAND:3>40M<MODE:2>CW<QSO_DATE:8>20200102<TIME_ON:6>100000<QSL_RCVD:1>Y<eor>\r\n";

// The preview is answered by clicking the buttons named in `clics`, in turn
// ("Entrée" presses Enter).
class ImportConfirmationsFenetre : public ::testing::Test {
protected:
    TestEnv env;
    QStringList apercus, clics;
    QString entree;  // the button Enter pressed
    QTimer guetteur;

    void SetUp() override {
        env.station("F5XYZ", {kEvry});
        QObject::connect(&guetteur, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            // Keys reach the active window only.
            if (!box || box->objectName() != QLatin1String("apercuConfirmations") || !box->isActiveWindow()) return;
            apercus.append(box->text());
            if (clics.value(0) == QStringLiteral("Entrée")) {
                clics.removeFirst();
                QTest::keyClick(box, Qt::Key_Return);
                entree = box->clickedButton() ? box->clickedButton()->objectName() : "aucun";
            } else if (auto* b = clics.isEmpty() ? nullptr : box->findChild<QPushButton*>(clics.takeFirst()))
                b->click();
            else
                box->reject();
        });
        guetteur.start(20);
    }
    void importer(const QByteArray& fichier) {
        env.writeFile("lotw.adi", fichier);
        ImportConfirmations::importer(env.ctx, nullptr, [&](QWidget*, const QString& dossier) {
            EXPECT_EQ(dossier, env.dir.path());
            return env.ctx.path("lotw.adi");
        });
    }
};

}  // namespace

// The report saved from the preview, which comes back; then "Oui": the QSO
// gains its mark and the award count follows at once.
TEST_F(ImportConfirmationsFenetre, ReportFromThePreviewThenYes) {
    clics = {"enregistrerRapport", "confirmer"};
    importer(kLotw);
    const QString apercu =
        "Confirmations : 1 QSO à confirmer dont 1 nouvelles références confirmées, 0 déjà confirmés, "
        "1 sans QSO correspondant, 0 ambigus, 0 sans confirmation\n\nConfirmer 1 QSO ?";
    EXPECT_EQ(apercus, QStringList({apercu, apercu}));
    EXPECT_EQ(env.dialogs.notices,
              QStringList({"Le rapport a été enregistré sous le nom : F5XYZ_Confirmations.txt", "1 QSO confirmés"}));
    EXPECT_EQ(env.readFile("F5XYZ_Confirmations.txt"),
              "Enregistrement 2 : F9ZZZ 7.0 Mhz CW 02/01/20 10:00 : sans QSO correspondant, aucun QSO avec cet "
              "indicatif sur cette bande\r\n");
    EXPECT_EQ(env.readFile("F5XYZ_DCF.log"), TextFile::joinLines({kEvry.left(106) + "*"}));
    EXPECT_EQ(Rapports::compteConfirmes(env.carnet), 1);
}

// Enter alone (Non is the default), or a file cut short: nothing written,
// neither the log nor the report.
TEST_F(ImportConfirmationsFenetre, EnterOrABadFileWritesNothing) {
    const QByteArray avant = env.readFile("F5XYZ_DCF.log");
    clics = {"Entrée"};
    importer(kLotw);
    importer(kLotw.left(kLotw.size() - 30));
    EXPECT_EQ(QString(QString::number(apercus.size()) + entree), "1annuler");
    EXPECT_EQ(env.dialogs.notices,
              QStringList{"Le fichier se termine au milieu d'un enregistrement, sans <EOR> : il est incomplet.\n"
                          "Le log n'a pas été modifié."});
    EXPECT_EQ(env.readFile("F5XYZ_DCF.log"), avant);
    EXPECT_TRUE(env.readFile("F5XYZ_Confirmations.txt").isNull());
}
