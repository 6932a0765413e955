#include "ui/widgets/ChoixFichier.h"

#include <QFileDialog>
#include <QFileInfo>

#include "core/journal/Carnet.h"
#include "platform/Dialogs.h"

namespace ChoixFichier {

Choix dialogue(const QString& titre, const QString& filtres) {
    return [titre, filtres](QWidget* parent, const QString& dossier) {
        return QFileDialog::getOpenFileName(parent, titre, dossier, filtres);
    };
}

Choix adif(const QString& titre) {
    return dialogue(titre, QStringLiteral("Fichiers ADIF (*.adi *.adif *.ADI *.ADIF);;Tous les fichiers (*)"));
}

QString adifAImporter(const Carnet& log, Dialogs& dialogs, QWidget* parent, const QString& dossier,
                      const Choix& choisir, const QString& titre) {
    if (!log.lisible()) {
        dialogs.notice(QStringLiteral("Impossible de lire le log ") + QFileInfo(log.chemin()).fileName());
        return {};
    }
    return (choisir ? choisir : adif(titre))(parent, dossier);
}

}  // namespace ChoixFichier
