#include "ui/ImportConfirmations.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "core/adif/FusionConfirmations.h"
#include "core/adif/LecteurAdif.h"
#include "core/journal/Carnet.h"
#include "core/journal/TextFile.h"
#include "platform/Dialogs.h"
#include "ui/AppContext.h"

namespace ImportConfirmations {

namespace {

enum class Reponse { Oui, Non, Rapport };

// The preview, with the question when there is something to confirm and the
// report's button while there is a report to write. A message box closes on
// any button, so the caller shows it again after the report.
Reponse montrerApercu(QWidget* parent, const FusionConfirmations::Plan& plan, bool rapport) {
    QMessageBox box(parent ? parent : QApplication::activeWindow());
    box.setObjectName(QStringLiteral("apercuConfirmations"));
    box.setWindowTitle(QStringLiteral("Vitralog"));
    box.setIcon(QMessageBox::NoIcon);
    box.setTextFormat(Qt::PlainText);
    const bool demander = !plan.lignes.isEmpty();
    box.setText(demander
                    ? FusionConfirmations::apercu(plan) + QStringLiteral("\n\n") + FusionConfirmations::question(plan)
                    : FusionConfirmations::apercu(plan));
    QPushButton* enregistrer = nullptr;
    if (rapport) {
        enregistrer = box.addButton(QStringLiteral("Enregistrer le rapport"), QMessageBox::ActionRole);
        enregistrer->setObjectName(QStringLiteral("enregistrerRapport"));
    }
    QPushButton* oui = nullptr;
    if (demander) {
        // The standard buttons, named in French, as every question shows them.
        oui = box.addButton(QMessageBox::Yes);
        oui->setText(QStringLiteral("Oui"));
        oui->setObjectName(QStringLiteral("confirmer"));
        QPushButton* non = box.addButton(QMessageBox::No);
        non->setText(QStringLiteral("Non"));
        non->setObjectName(QStringLiteral("annuler"));
        // Confirming rewrites the log: Enter alone must not.
        box.setDefaultButton(non);
    } else {
        box.addButton(QMessageBox::Ok);
    }
    box.exec();
    if (enregistrer && box.clickedButton() == enregistrer) return Reponse::Rapport;
    return oui && box.clickedButton() == oui ? Reponse::Oui : Reponse::Non;
}

void ecrireRapport(AppContext& ctx, const FusionConfirmations::Plan& plan) {
    const QString nom = FusionConfirmations::nomFichierRapport(ctx.station);
    if (TextFile::rewriteLines(ctx.path(nom), FusionConfirmations::rapport(plan).lignesFichier()))
        ctx.dialogs->notice(QStringLiteral("Le rapport a été enregistré sous le nom : ") + nom);
    else
        ctx.dialogs->notice(QStringLiteral("Impossible d'enregistrer le fichier ") + nom);
}

}  // namespace

void importer(AppContext& ctx, QWidget* parent, const ChoixFichier::Choix& choisir) {
    Carnet& log = *ctx.carnetAJour();
    const QString chemin = ChoixFichier::adifAImporter(log, *ctx.dialogs, parent, ctx.dataDir, choisir,
                                                       QStringLiteral("Importer des confirmations"));
    if (chemin.isEmpty()) return;

    QApplication::setOverrideCursor(Qt::WaitCursor);
    const LecteurAdif::Lecture lecture = LecteurAdif::lireFichier(chemin);
    const FusionConfirmations::Plan plan =
        lecture.ok() ? FusionConfirmations::preparer(lecture.fichier, log) : FusionConfirmations::Plan();
    QApplication::restoreOverrideCursor();
    if (!lecture.ok()) {
        ctx.dialogs->notice(lecture.erreur + QStringLiteral("\nLe log n'a pas été modifié."));
        return;
    }

    bool rapport = !plan.refus.isEmpty();
    Reponse reponse;
    while ((reponse = montrerApercu(parent, plan, rapport)) == Reponse::Rapport) {
        ecrireRapport(ctx, plan);
        rapport = false;
    }
    if (reponse != Reponse::Oui) return;

    QApplication::setOverrideCursor(Qt::WaitCursor);
    const Carnet::Resultat r = FusionConfirmations::appliquer(plan, log);
    QApplication::restoreOverrideCursor();
    ctx.dialogs->notice(r.fait() ? FusionConfirmations::bilan(plan) : r.message);
}

}  // namespace ImportConfirmations
