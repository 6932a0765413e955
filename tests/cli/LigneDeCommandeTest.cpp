#include <gtest/gtest.h>

#include "core/LigneDeCommande.h"

using LigneDeCommande::Action;

// The display a launch needs may come from the session, from Qt's own option
// or from its environment; mistakes never need one. The process tests in
// terminal.sh cover the plain cases: help, version, no display, an unknown
// option, an option without its value.
TEST(LigneDeCommande, DisplayQtOptionsFolderAndMistakes) {
    const auto erreur = [](const QString& message) {
        return "vitralog : " + message + " ; voir « vitralog --help »\n";
    };
    const struct {
        QStringList arguments;
        QString environnement;  // "NAME=value", or empty
        Action action;          // its code: 2 for a mistake, else 0
        QString attendu;        // the folder for Lancer, the message for Erreur
    } table[] = {
        {{"--platform=offscreen", "--dossier", "/media/cle"}, "", Action::Lancer, "/media/cle"},
        {{"-display", ":1"}, "", Action::Lancer, ""},
        {{}, "QT_QPA_PLATFORM=offscreen", Action::Lancer, ""},
        {{}, "WAYLAND_DISPLAY=wayland-0", Action::Lancer, ""},
        {{"--dossier=/media/cle", "-style", "Fusion", "-reverse"}, "DISPLAY=:0", Action::Lancer, "/media/cle"},
        {{"--version", "-x", "--dossier"}, "DISPLAY=:0", Action::Erreur, erreur("option inconnue « -x »")},
        {{"--help=oui"}, "", Action::Erreur, erreur("l'option « --help » ne prend pas de valeur")},
        {{"/media/cle"}, "DISPLAY=:0", Action::Erreur, erreur("argument inattendu « /media/cle »")},
    };
    for (const auto& c : table) {
        QProcessEnvironment env;
        if (!c.environnement.isEmpty()) env.insert(c.environnement.section('=', 0, 0), c.environnement.section('=', 1));
        const auto d = LigneDeCommande::lire(QStringList{"vitralog"} + c.arguments, env);
        SCOPED_TRACE(c.arguments.join(' ').toStdString() + " with " + c.environnement.toStdString());
        EXPECT_EQ(d.action, c.action);
        EXPECT_EQ(d.code, c.action == Action::Erreur ? 2 : 0);
        EXPECT_EQ(c.action == Action::Erreur ? d.texte : d.dossier, c.attendu);
    }
}
