#pragma once
#include <QString>
#include <functional>

class QWidget;
struct AppContext;

// Fichier › "Importer des confirmations…": an ADIF file of QSLs received
// (LoTW, eQSL, a card list) read, matched to the log, shown as a preview,
// and on "Oui" the matched QSOs marked confirmed in one rewrite. The report
// of the records that changed nothing is written on request.
namespace ImportConfirmations {

// Returns the chosen file, or an empty text when the operator gave up.
using ChoixFichier = std::function<QString(QWidget* parent, const QString& dossier)>;
QString choisirFichier(QWidget* parent, const QString& dossier);

// Every failure, and "Non", leave the log untouched.
void importer(AppContext& ctx, QWidget* parent, const ChoixFichier& choisir = choisirFichier);

}  // namespace ImportConfirmations
