#pragma once
#include <QString>
#include <functional>

class QWidget;
struct AppContext;

// The ADIF import as the operator runs it: the file dialog, the messages and the refusals file.
namespace DialogueImportAdif {

// Returns the chosen file, or an empty text when the operator gave up.
using ChoixFichier = std::function<QString(QWidget* parent, const QString& dossier)>;
QString choisirFichier(QWidget* parent, const QString& dossier);

// Menu "Importer un fichier ADIF…": file, summary and question, the import
// in one rewrite of the current station's log, the final count, and the
// refused records saved on request. Every failure leaves the log untouched.
void importer(AppContext& ctx, QWidget* parent, const ChoixFichier& choisir = choisirFichier);

// The text file the refused records are saved to, in the data folder.
QString nomFichierRefus(const QString& indicatif);

}  // namespace DialogueImportAdif
