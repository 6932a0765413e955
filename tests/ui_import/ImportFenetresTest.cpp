#include "core/diplomes/Rapports.h"
#include "support/FenetreTest.h"
#include "ui/DialogueImportAdif.h"
#include "ui/ImportConfirmations.h"

namespace {

const QString kAncien = ligne("F5ABC", "75", "", "DCF-001", "15/06/21", "14:32", "SSB", "14 Mhz", "C. DE PARIS");

// Another logger's file: a new QSO, one already in the log, one refused mode.
const QByteArray kAdif =
    "Exporte par un autre carnet\r\n<PROGRAMID:3>XYZ <EOH>\r\n"
    "<CALL:5>F6DEF <QSO_DATE:8>20200102 <TIME_ON:6>091500 <BAND:3>40m <MODE:3>LSB <RST_RCVD:2>58 "
    "<RST_SENT:2>59 <NAME:6>\xC9lodie <SIG:3>DBF <SIG_INFO:8>DBF-012B <EOR>\r\n"
    "<CALL:5>F5ABC <QSO_DATE:8>20210615 <TIME_ON:4>1432 <BAND:3>20m <MODE:3>SSB <COMMENT:11>QSO DCF-001 <EOR>\r\n"
    "<CALL:5>F6GHI <QSO_DATE:8>20220301 <TIME_ON:4>1200 <BAND:3>20m <MODE:4>RTTY <SIG:7>DCF-002 <EOR>\r\n";

const QString kEvry = ligne("F5ABC", "91", "RENÉ", "DCF-001", "15/06/21", "14:32", "SSB", "14 Mhz", "C. D'ÉVRY");
const QByteArray kLotw =
    "ARRL Logbook of the World Status Report\r\n<APP_LoTW_LASTQSL:19>2021-07-01 10:00:00\r\n<eoh>\r\n"
    "<CALL:5>F5ABC<BAND:3>20M<MODE:3>USB<QSO_DATE:8>20210615<TIME_ON:6>143000<QSL_RCVD:1>Y<eor>\r\n"
    "<CALL:5>F9ZZZ<BAND:3>40M<MODE:2>CW<QSO_DATE:8>20200102<TIME_ON:6>100000<QSL_RCVD:1>Y<eor>\r\n";

const QString kIncomplet =
    "Le fichier se termine au milieu d'un enregistrement, sans <EOR> : il est incomplet.\nLe log n'a pas été modifié.";

// The file to import, chosen in the data folder; each message box of the
// import answered by clicking the buttons named in `clics`, in turn ("Entrée"
// presses Enter; none left: closed).
class Import : public ::testing::Test {
protected:
    TestEnv env;
    QStringList boites, clics;
    QString entree;  // the button Enter pressed
    Guetteur<QMessageBox> guetteur{[this](QMessageBox* box) {
        boites.append(box->objectName() + ": " + box->text());
        if (clics.value(0) == QStringLiteral("Entrée")) {
            clics.removeFirst();
            QTest::keyClick(box, Qt::Key_Return);
            entree = box->clickedButton() ? box->clickedButton()->objectName() : "aucun";
        } else if (auto* b = clics.isEmpty() ? nullptr : box->findChild<QPushButton*>(clics.takeFirst()))
            b->click();
        else
            box->reject();
    }};
    std::function<QString(QWidget*, const QString&)> fichier(const QByteArray& octets) {
        env.writeFile("autre.adi", octets);
        return [this](QWidget*, const QString& dossier) {
            EXPECT_EQ(dossier, env.dir.path());
            return env.ctx.path("autre.adi");
        };
    }
};

}  // namespace

// A file cut short, or No to the summary: nothing written. Then yes, the
// count and the refusals saved: the log, the first names and the refusal
// file written.
TEST_F(Import, AdifBadFileOrNoThenYesWithTheRefusalsSaved) {
    env.station("F5XYZ", {kAncien});
    env.writeFile("Liste_DCF.csv", TextFile::encode("DBF-012B;Lisieux;14;Sainte-Thérèse;x\r\n"));
    const QByteArray avant = env.readFile("F5XYZ_DCF.log");
    DialogueImportAdif::importer(env.ctx, nullptr, fichier(kAdif.left(kAdif.size() - 20)));
    env.dialogs.answers = {false};
    DialogueImportAdif::importer(env.ctx, nullptr, fichier(kAdif));
    EXPECT_EQ(env.readFile("F5XYZ_DCF.log") + env.readFile("Liste_Prenom.txt"), avant);

    clics = {"boutonEnregistrerRefus"};
    DialogueImportAdif::importer(env.ctx, nullptr, fichier(kAdif));
    ASSERT_EQ(env.dialogs.questions.size(), 2);
    EXPECT_TRUE(env.dialogs.questions[1].endsWith("Importer 1 QSO ?")) << env.dialogs.questions[1].toStdString();
    EXPECT_EQ(boites, QStringList{"bilanImport: 1 QSO importés, 1 déjà présents, 1 refusés"});
    EXPECT_EQ(env.dialogs.notices,
              QStringList({kIncomplet, "Les refus ont été enregistrés sous le nom : F5XYZ_Refus_ADIF.txt"}));
    const QString nouveau = LigneQso::format({"F6DEF", "14", "ÉLODIE", "DBF-012B", "02/01/20", "09:15", "SSB",
                                              "7.0 Mhz", "58", "59", "B. SAINTE-THÉRÈSE À LISIEUX", " "});
    EXPECT_EQ(env.readFile("F5XYZ_DCF.log"), TextFile::joinLines({nouveau, kAncien}));
    EXPECT_EQ(env.readFile("Liste_Prenom.txt"), TextFile::encode("F6DEF        14 ÉLODIE\r\n"));
    EXPECT_EQ(env.readFile("F5XYZ_Refus_ADIF.txt"),
              "Enregistrement 3 : F6GHI DCF-002 01/03/22 12:00 : 3 caracteres maxi pour le Mode\r\n");
}

// Enter alone (Non is the default), or a file cut short: nothing written,
// neither the log nor the report. Then the report saved from the preview,
// which comes back, and "Oui": the QSO gains its mark and the award count
// follows at once.
TEST_F(Import, ConfirmationsEnterOrABadFileThenTheReportAndYes) {
    env.station("F5XYZ", {kEvry});
    const QByteArray avant = env.readFile("F5XYZ_DCF.log");
    clics = {"Entrée"};
    ImportConfirmations::importer(env.ctx, nullptr, fichier(kLotw));
    ImportConfirmations::importer(env.ctx, nullptr, fichier(kLotw.left(kLotw.size() - 30)));
    EXPECT_EQ(QString::number(boites.size()) + entree, "1annuler");
    EXPECT_EQ(env.readFile("F5XYZ_DCF.log"), avant);
    EXPECT_TRUE(env.readFile("F5XYZ_Confirmations.txt").isNull());

    clics = {"enregistrerRapport", "confirmer"};
    ImportConfirmations::importer(env.ctx, nullptr, fichier(kLotw));
    const QString apercu =
        "apercuConfirmations: Confirmations : 1 QSO à confirmer dont 1 nouvelles références confirmées, 0 déjà "
        "confirmés, 1 sans QSO correspondant, 0 ambigus, 0 sans confirmation\n\nConfirmer 1 QSO ?";
    EXPECT_EQ(boites, QStringList({apercu, apercu, apercu}));
    EXPECT_EQ(env.dialogs.notices,
              QStringList({kIncomplet, "Le rapport a été enregistré sous le nom : F5XYZ_Confirmations.txt",
                           "1 QSO confirmés"}));
    EXPECT_EQ(env.readFile("F5XYZ_Confirmations.txt"),
              "Enregistrement 2 : F9ZZZ 7.0 Mhz CW 02/01/20 10:00 : sans QSO correspondant, aucun QSO avec cet "
              "indicatif sur cette bande\r\n");
    EXPECT_EQ(env.readFile("F5XYZ_DCF.log"), TextFile::joinLines({kEvry.left(106) + "*"}));
    EXPECT_EQ(Rapports::compteConfirmes(env.carnet), 1);
}
