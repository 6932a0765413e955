#pragma once
#include <QString>

#include "ui/widgets/ChoixFichier.h"

class QWidget;
struct AppContext;

// The ADIF import as the operator runs it: the file dialog, the messages and the refusals file.
namespace DialogueImportAdif {

// Menu "Importer un fichier ADIF…": file, summary and question, the import
// in one rewrite of the current station's log, the final count, and the
// refused records saved on request. Every failure leaves the log untouched.
// Without a choice given, the open dialog asks for the file.
void importer(AppContext& ctx, QWidget* parent, const ChoixFichier::Choix& choisir = {});

// The text file the refused records are saved to, in the data folder.
QString nomFichierRefus(const QString& indicatif);

}  // namespace DialogueImportAdif
