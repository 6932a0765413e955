#pragma once
#include <QString>

#include "ui/widgets/ChoixFichier.h"

class QWidget;
struct AppContext;

// Fichier › "Importer des confirmations…": an ADIF file of QSLs received
// (LoTW, eQSL, a card list) read, matched to the log, shown as a preview,
// and on "Oui" the matched QSOs marked confirmed in one rewrite. The report
// of the records that changed nothing is written on request.
namespace ImportConfirmations {

// Every failure, and "Non", leave the log untouched.
// Without a choice given, the open dialog asks for the file.
void importer(AppContext& ctx, QWidget* parent, const ChoixFichier::Choix& choisir = {});

}  // namespace ImportConfirmations
