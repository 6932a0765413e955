#include <gtest/gtest.h>

#include "core/LigneDeCommande.h"

using LigneDeCommande::Action;

namespace {

struct Cas {
    QStringList arguments;
    QString environnement;  // "NAME=value", or empty
    Action action;
    int code;
    // The folder for Lancer, the message for Erreur.
    QString attendu;
};

QString erreur(const QString& message) {
    return QStringLiteral("vitralog : ") + message + QStringLiteral(" ; voir « vitralog --help »\n");
}

}  // namespace

// The display a launch needs may come from the session, from Qt's own option
// or from its environment; help and mistakes never need one. The process
// tests in terminal.sh cover the plain cases.
TEST(LigneDeCommande, DisplayQtOptionsFolderAndMistakes) {
    const QString sansEcran =
        QStringLiteral("Vitralog a besoin d'un écran graphique : lancez-le depuis une session de bureau\n");
    const Cas table[] = {
        {{"-platform", "offscreen"}, "", Action::Lancer, 0, ""},
        {{"--platform=offscreen", "--dossier", "/media/cle"}, "", Action::Lancer, 0, "/media/cle"},
        {{"-display", ":1"}, "", Action::Lancer, 0, ""},
        {{}, "QT_QPA_PLATFORM=offscreen", Action::Lancer, 0, ""},
        {{}, "WAYLAND_DISPLAY=wayland-0", Action::Lancer, 0, ""},
        {{"--dossier=/media/cle", "-style", "Fusion", "-reverse"}, "DISPLAY=:0", Action::Lancer, 0, "/media/cle"},
        {{}, "DISPLAY=", Action::Erreur, 1, sansEcran},
        {{"--help", "--dossier", "x"}, "", Action::Aide, 0, ""},
        {{"--version", "-x", "--dossier"}, "DISPLAY=:0", Action::Erreur, 2, erreur("option inconnue « -x »")},
        {{"-platform"}, "DISPLAY=:0", Action::Erreur, 2, erreur("il manque une valeur après « -platform »")},
        {{"--help=oui"}, "", Action::Erreur, 2, erreur("l'option « --help » ne prend pas de valeur")},
        {{"/media/cle"}, "DISPLAY=:0", Action::Erreur, 2, erreur("argument inattendu « /media/cle »")},
    };
    for (const Cas& c : table) {
        QProcessEnvironment env;
        if (!c.environnement.isEmpty()) env.insert(c.environnement.section('=', 0, 0), c.environnement.section('=', 1));
        const auto d = LigneDeCommande::lire(QStringList{"vitralog"} + c.arguments, env);
        SCOPED_TRACE(c.arguments.join(' ').toStdString() + " with " + c.environnement.toStdString());
        EXPECT_EQ(d.action, c.action);
        EXPECT_EQ(d.code, c.code);
        EXPECT_EQ(c.action == Action::Erreur ? d.texte : d.dossier, c.attendu);
    }
}
