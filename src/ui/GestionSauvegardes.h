#pragma once
#include <QString>
#include <functional>

#include "core/sauvegarde/Sauvegardes.h"

class QAction;
class QWidget;
class Carnet;
struct AppContext;

// The undo and the backups as the operator meets them: the Fichier items,
// their questions and messages. The rules are in Carnet and Sauvegardes.
namespace GestionSauvegardes {

// The station's backup place: the chosen folder (settings), which must
// exist, else Sauvegardes/ of the data folder, made when needed; with the
// first-name memory and the two settings files.
Sauvegardes::Lieu lieu(const AppContext& ctx);

// Backs up before the first change of each day (the log object's hook).
void relier(AppContext& ctx);
// At quit: the log as it is, after a change of this session.
void fermer(const AppContext& ctx);

// "Annuler : suppression de F5ABC DCF-018", enabled while a change can be
// taken back; "Annuler la dernière modification" otherwise.
void suivreAnnulation(QAction* action, const Carnet& carnet);
// Asks (default Non), then takes the last change back or says why not.
void annulerDerniere(AppContext& ctx);

// "Dossier des sauvegardes…": the folder chosen, kept in the settings.
using ChoixDossier = std::function<QString(QWidget* parent, const QString& actuel)>;
QString choisirDossier(QWidget* parent, const QString& actuel);
void changerDossier(AppContext& ctx, QWidget* parent, const ChoixDossier& choisir = choisirDossier);

}  // namespace GestionSauvegardes
