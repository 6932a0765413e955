#pragma once
#include <QLockFile>
#include <QString>
#include <QStringList>
#include <memory>

// Where the user's files live, one copy of the program per folder, and the
// move of files left in the places older versions used.
namespace DossierDonnees {

// The folder named on the command line (--dossier DIR, empty when none),
// else the one in VITRALOG_DOSSIER, else the per-user data folder
// (~/.local/share/Vitralog).
QString choisir(const QString& ligneDeCommande);

// The lock of a data folder; null when another live copy holds it. A lock
// left by a copy that was killed is taken over.
std::unique_ptr<QLockFile> verrouiller(const QString& dossier);

// Files of the program (logs, first names, reference list, exports, award
// lists) found in the old folders are moved into the data folder; a file of
// the same name already there is never overwritten. Gives the moved names.
QStringList migrer(const QStringList& anciens, const QString& dossier);

// The folders older versions wrote to: beside the program, and the
// per-user folder that repeated the program's name.
QStringList anciensDossiers(const QString& dossierProgramme);

}  // namespace DossierDonnees
