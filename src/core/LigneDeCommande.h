#pragma once
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// What the command line asks for, read before any window or display exists:
// help and version answer in a terminal without a desktop session, and a
// mistake is told instead of ignored.
namespace LigneDeCommande {

enum class Action { Lancer, Aide, Version, Erreur };

struct Demande {
    Action action = Action::Lancer;
    // The answer for Aide and Version (standard output) or the message for
    // Erreur (standard error), ending with a line feed.
    QString texte;
    // The exit status when the program is not started: 0 for help and
    // version, 1 without a display, 2 for a command line in error.
    int code = 0;
    // The folder named by --dossier; empty when none was given.
    QString dossier;
};

// arguments as main() receives them, the program's name first. Qt's own
// options (-platform, -style...) are accepted and left to the application.
Demande lire(const QStringList& arguments, const QProcessEnvironment& environnement);

}  // namespace LigneDeCommande
