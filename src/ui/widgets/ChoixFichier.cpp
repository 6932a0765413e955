#include "ui/widgets/ChoixFichier.h"

#include <QFileDialog>

namespace ChoixFichier {

Choix dialogue(const QString& titre, const QString& filtres) {
    return [titre, filtres](QWidget* parent, const QString& dossier) {
        return QFileDialog::getOpenFileName(parent, titre, dossier, filtres);
    };
}

Choix adif(const QString& titre) {
    return dialogue(titre, QStringLiteral("Fichiers ADIF (*.adi *.adif *.ADI *.ADIF);;Tous les fichiers (*)"));
}

}  // namespace ChoixFichier
