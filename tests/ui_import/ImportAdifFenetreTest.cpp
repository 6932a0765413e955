#include <gtest/gtest.h>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "core/journal/TextFile.h"
#include "support/Doubles.h"
#include "ui/DialogueImportAdif.h"

namespace {

const QString kAncien = ligne("F5ABC", "75", "", "DCF-001", "15/06/21", "14:32", "SSB", "14 Mhz", "C. DE PARIS");

// Another logger's file: a new QSO, one already in the log, one refused mode.
const QByteArray kAdif =
    "Exporte par un autre carnet\r\n<PROGRAMID:3>XYZ <EOH>\r\n"
    "<CALL:5>F6DEF <QSO_DATE:8>20200102 <TIME_ON:6>091500 <BAND:3>40m <MODE:3>LSB <RST_RCVD:2>58 "
    "<RST_SENT:2>59 <NAME:6>\xC9lodie <SIG:3>DBF <SIG_INFO:8>DBF-012B <EOR>\r\n"
    "<CALL:5>F5ABC <QSO_DATE:8>20210615 <TIME_ON:4>1432 <BAND:3>20m <MODE:3>SSB <COMMENT:11>QSO DCF-001 <EOR>\r\n"
    "<CALL:5>F6GHI <QSO_DATE:8>20220301 <TIME_ON:4>1200 <BAND:3>20m <MODE:4>RTTY <SIG:7>DCF-002 <EOR>\r\n";

class ImportFenetre : public ::testing::Test {
protected:
    TestEnv env;
    QString dossierVu;
    void SetUp() override {
        env.station("F5XYZ", {kAncien});
        env.writeFile("Liste_DCF.csv", TextFile::encode("DBF-012B;Lisieux;14;Sainte-Thérèse;x\r\n"));
    }
    void importer(const QByteArray& fichier) {
        env.writeFile("autre.adi", fichier);
        DialogueImportAdif::importer(env.ctx, nullptr, [&](QWidget*, const QString& dossier) {
            dossierVu = dossier;
            return env.ctx.path("autre.adi");
        });
    }
};

}  // namespace

// The file chosen in the data folder, the summary, yes, then the count and
// the refusals saved: the log, the first names and the refusal file written.
TEST_F(ImportFenetre, ChosenFileSummaryYesThenCountAndRefusalsSaved) {
    QString bilan;
    QTimer guetteur;
    QObject::connect(&guetteur, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || box->objectName() != QLatin1String("bilanImport")) return;
        bilan = box->text();
        if (auto* b = box->findChild<QPushButton*>("boutonEnregistrerRefus"))
            b->click();
        else
            box->reject();
    });
    guetteur.start(20);
    importer(kAdif);

    EXPECT_EQ(dossierVu, env.dir.path());
    ASSERT_EQ(env.dialogs.questions.size(), 1);
    EXPECT_TRUE(env.dialogs.questions[0].endsWith("Importer 1 QSO ?")) << env.dialogs.questions[0].toStdString();
    EXPECT_EQ(bilan, "1 QSO importés, 1 déjà présents, 1 refusés");
    EXPECT_EQ(env.dialogs.notices, QStringList{"Les refus ont été enregistrés sous le nom : F5XYZ_Refus_ADIF.txt"});
    const Qso nouveau{"F6DEF",
                      "14",
                      "ÉLODIE",
                      "DBF-012B",
                      "02/01/20",
                      "09:15",
                      "SSB",
                      "7.0 Mhz",
                      "58",
                      "59",
                      "B. SAINTE-THÉRÈSE À LISIEUX",
                      " "};
    EXPECT_EQ(env.readFile("F5XYZ_DCF.log"), TextFile::joinLines({LigneQso::format(nouveau), kAncien}));
    EXPECT_EQ(env.readFile("Liste_Prenom.txt"), TextFile::encode("F6DEF        14 ÉLODIE\r\n"));
    EXPECT_EQ(env.readFile("F5XYZ_Refus_ADIF.txt"),
              "Enregistrement 3 : F6GHI DCF-002 01/03/22 12:00 : 3 caracteres maxi pour le Mode\r\n");
}

// No to the summary, or a file cut short: nothing written.
TEST_F(ImportFenetre, NoOrABadFileLeavesTheLogAsItWas) {
    const QByteArray avant = env.readFile("F5XYZ_DCF.log");
    env.dialogs.answers = {false};
    importer(kAdif);
    importer(kAdif.left(kAdif.size() - 20));
    EXPECT_EQ(env.dialogs.questions.size(), 1);
    EXPECT_EQ(env.dialogs.notices,
              QStringList{"Le fichier se termine au milieu d'un enregistrement, sans <EOR> : il est incomplet.\n"
                          "Le log n'a pas été modifié."});
    EXPECT_EQ(env.readFile("F5XYZ_DCF.log"), avant);
    EXPECT_TRUE(env.readFile("Liste_Prenom.txt").isEmpty());
}
