#include "ui/DialogueImportAdif.h"

#include <QApplication>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <memory>

#include "core/adif/ImportAdif.h"
#include "core/adif/LecteurAdif.h"
#include "core/journal/Carnet.h"
#include "core/journal/TextFile.h"
#include "platform/Dialogs.h"
#include "ui/AppContext.h"

namespace DialogueImportAdif {

namespace {

// Below this the plan is done before a progress window could be seen.
constexpr qsizetype SeuilProgression = 2000;

// The final count, with a button that keeps the refused records.
bool proposerRefus(QWidget* parent, const QString& texte) {
    QMessageBox box(parent ? parent : QApplication::activeWindow());
    box.setObjectName(QStringLiteral("bilanImport"));
    box.setWindowTitle(QStringLiteral("Vitralog"));
    box.setIcon(QMessageBox::NoIcon);
    box.setTextFormat(Qt::PlainText);
    box.setText(texte);
    QPushButton* enregistrer = box.addButton(QStringLiteral("Enregistrer les refus"), QMessageBox::ActionRole);
    enregistrer->setObjectName(QStringLiteral("boutonEnregistrerRefus"));
    box.addButton(QMessageBox::Ok);
    box.exec();
    return box.clickedButton() == enregistrer;
}

}  // namespace

QString nomFichierRefus(const QString& indicatif) { return indicatif + QStringLiteral("_Refus_ADIF.txt"); }

void importer(AppContext& ctx, QWidget* parent, const ChoixFichier::Choix& choisir) {
    Carnet& log = *ctx.carnet;
    log.actualiser();
    const QString chemin = ChoixFichier::adifAImporter(log, *ctx.dialogs, parent, ctx.dataDir, choisir,
                                                       QStringLiteral("Importer un fichier ADIF"));
    if (chemin.isEmpty()) return;

    const LecteurAdif::Lecture lecture = LecteurAdif::lireFichier(chemin);
    if (!lecture.ok()) {
        ctx.dialogs->notice(lecture.erreur + QStringLiteral("\nLe log n'a pas été modifié."));
        return;
    }

    std::unique_ptr<QProgressDialog> progres;
    ImportAdif::Progression suivre;
    if (lecture.fichier.nombre() > SeuilProgression) {
        progres =
            std::make_unique<QProgressDialog>(QStringLiteral("Lecture du fichier ADIF…"), QStringLiteral("Annuler"), 0,
                                              int(lecture.fichier.nombre()), parent);
        progres->setObjectName(QStringLiteral("progressionImport"));
        progres->setWindowTitle(QStringLiteral("Vitralog"));
        progres->setWindowModality(Qt::ApplicationModal);
        progres->setMinimumDuration(300);
        suivre = [&](qsizetype fait, qsizetype) {
            progres->setValue(int(fait));
            QApplication::processEvents();
            return !progres->wasCanceled();
        };
    }
    const ImportAdif::Plan plan =
        ImportAdif::preparer(lecture.fichier, log, ctx.path(QStringLiteral("Liste_DCF.csv")), suivre);
    progres.reset();
    if (plan.annule) {
        ctx.dialogs->notice(QStringLiteral("Importation annulée : le log n'a pas été modifié."));
        return;
    }
    if (plan.qsos.isEmpty()) {
        ctx.dialogs->notice(ImportAdif::resume(plan));
    } else {
        if (!ctx.dialogs->question(ImportAdif::resume(plan))) return;
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const Carnet::Resultat r = ImportAdif::appliquer(plan, log);
        QApplication::restoreOverrideCursor();
        if (!r.fait()) {
            ctx.dialogs->notice(r.message);
            return;
        }
        // Remembered only once the QSOs are in the log, as a save does.
        const QString prenoms = ctx.path(QStringLiteral("Liste_Prenom.txt"));
        if (!ImportAdif::memoriserPrenoms(plan.qsos, prenoms))
            ctx.dialogs->notice(QStringLiteral("Erreur d'écriture du fichier ") + prenoms +
                                QStringLiteral(", les QSO sont enregistrés mais pas les prénoms"));
    }
    if (plan.refus.isEmpty()) {
        if (!plan.qsos.isEmpty()) ctx.dialogs->notice(ImportAdif::bilan(plan));
        return;
    }
    if (!proposerRefus(parent, ImportAdif::bilan(plan))) return;
    const QString nom = nomFichierRefus(ctx.station);
    if (TextFile::rewriteLines(ctx.path(nom), ImportAdif::rapportRefus(plan).lignesFichier()))
        ctx.dialogs->notice(QStringLiteral("Les refus ont été enregistrés sous le nom : ") + nom);
    else
        ctx.dialogs->notice(QStringLiteral("Impossible d'enregistrer le fichier ") + nom);
}

}  // namespace DialogueImportAdif
