#pragma once
#include <QString>
#include <functional>

class Carnet;
class Dialogs;
class QWidget;

// The file an import reads, as the operator picks it. Tests give their own.
namespace ChoixFichier {

// Returns the chosen file, or an empty text when the operator gave up.
using Choix = std::function<QString(QWidget* parent, const QString& dossier)>;

// The open dialog, titled for the import it serves, showing `filtres`
// ("Listes DCF (*.csv *.txt);;Tous les fichiers (*)").
Choix dialogue(const QString& titre, const QString& filtres);
// The same for an ADIF file.
Choix adif(const QString& titre);

// The ADIF file to import into `log`, chosen in `dossier` (with the dialog
// titled `titre` unless `choisir` is given); empty when the log cannot be
// read, which is said, since it could not be rewritten either, or when the
// operator gave up.
QString adifAImporter(const Carnet& log, Dialogs& dialogs, QWidget* parent, const QString& dossier,
                      const Choix& choisir, const QString& titre);

}  // namespace ChoixFichier
