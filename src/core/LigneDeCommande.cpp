#include "core/LigneDeCommande.h"

#include <QCommandLineParser>

#include "core/Version.h"

namespace LigneDeCommande {

namespace {

const QString Aide = QStringLiteral(
    "Utilisation : vitralog [--dossier DOSSIER]\n"
    "Carnet de trafic du diplôme des cathédrales de France (DCF).\n"
    "\n"
    "  --dossier DOSSIER  range les carnets et les autres données dans DOSSIER\n"
    "                     au lieu de ~/.local/share/Vitralog (carnet sur une clé USB)\n"
    "  -h, --help         affiche cette aide\n"
    "  -v, --version      affiche la version\n"
    "\n"
    "Les options de Qt sont acceptées aussi (-platform, -style, -reverse...).\n"
    "Guide de l'utilisateur : touche F1 dans Vitralog, ou le fichier\n"
    "/usr/share/doc/vitralog/guide.md ; page de manuel : man vitralog.\n");

// Options that QApplication takes from the same command line; they are
// accepted here and left to it.
constexpr const char* OptionsQtAvecValeur[] = {
    "platform",   "platformpluginpath", "platformtheme", "plugin",       "display", "session",     "style",
    "stylesheet", "qwindowgeometry",    "geometry",      "qwindowtitle", "title",   "qwindowicon", "icon"};

Demande erreur(int code, const QString& texte) {
    Demande d;
    d.action = Action::Erreur;
    d.code = code;
    d.texte = texte + QLatin1Char('\n');
    return d;
}

// A command line in error: nothing is started.
Demande erreur(const QString& message) {
    return erreur(2, QStringLiteral("vitralog : %1 ; voir « vitralog --help »").arg(message));
}

// An argument's option name, without its dashes and its "=value".
QString nomOption(const QString& argument) {
    return argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1).section(QLatin1Char('='), 0, 0);
}

// The parser tells what went wrong in English and without the dashes typed:
// the argument at fault is looked up to be named as the user wrote it.
Demande erreurDeSyntaxe(const QCommandLineParser& p, const QStringList& arguments, const QStringList& avecValeur) {
    const auto estOption = [](const QString& a) { return a.size() > 1 && a.startsWith(QLatin1Char('-')); };
    if (!p.unknownOptionNames().isEmpty()) {
        const QString nom = p.unknownOptionNames().constFirst();
        for (const QString& a : arguments.sliced(1))
            if (estOption(a) && nomOption(a) == nom)
                return erreur(QStringLiteral("option inconnue « %1 »").arg(a.section(QLatin1Char('='), 0, 0)));
    }
    // Qt takes the next argument as the value, whatever it is: only the last can lack one.
    const QString& dernier = arguments.constLast();
    if (estOption(dernier) && !dernier.contains(QLatin1Char('=')) && avecValeur.contains(nomOption(dernier)))
        return erreur(QStringLiteral("il manque une valeur après « %1 »").arg(dernier));
    for (const QString& a : arguments.sliced(1))
        if (estOption(a) && a.contains(QLatin1Char('=')) && !avecValeur.contains(nomOption(a)))
            return erreur(
                QStringLiteral("l'option « %1 » ne prend pas de valeur").arg(a.section(QLatin1Char('='), 0, 0)));
    return erreur(QStringLiteral("ligne de commande incomprise"));
}

}  // namespace

Demande lire(const QStringList& arguments, const QProcessEnvironment& environnement) {
    QCommandLineParser p;
    // Qt's options have one dash and long names (-platform): "-h" is then
    // the option "h", not a group of one-letter options.
    p.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption aide(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    const QCommandLineOption dossier(QStringLiteral("dossier"), QString(), QStringLiteral("DOSSIER"));
    p.addOptions({aide, version, dossier});
    QStringList avecValeur{QStringLiteral("dossier")};
    for (const char* nom : OptionsQtAvecValeur) {
        avecValeur.append(QLatin1String(nom));
        p.addOption(QCommandLineOption(avecValeur.constLast(), QString(), QStringLiteral("valeur")));
    }
    p.addOption(QCommandLineOption(QStringLiteral("reverse")));

    if (!p.parse(arguments)) return erreurDeSyntaxe(p, arguments, avecValeur);
    if (!p.positionalArguments().isEmpty())
        return erreur(QStringLiteral("argument inattendu « %1 »").arg(p.positionalArguments().constFirst()));
    if (p.isSet(dossier) && p.value(dossier).isEmpty())
        return erreur(QStringLiteral("il manque une valeur après « --dossier »"));

    Demande d;
    if (p.isSet(aide)) {
        d.action = Action::Aide;
        d.texte = Aide;
    } else if (p.isSet(version)) {
        d.action = Action::Version;
        d.texte = QStringLiteral("Vitralog " VITRALOG_VERSION "\n");
    } else {
        // Without a display Qt would abort with a core dump; a platform named
        // on the command line or in the environment is Qt's to try.
        const bool ecran = !environnement.value(QStringLiteral("DISPLAY")).isEmpty() ||
                           !environnement.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty() ||
                           !environnement.value(QStringLiteral("QT_QPA_PLATFORM")).isEmpty() ||
                           p.isSet(QStringLiteral("platform")) || p.isSet(QStringLiteral("display"));
        if (!ecran)
            return erreur(1, QStringLiteral("Vitralog a besoin d'un écran graphique : "
                                            "lancez-le depuis une session de bureau"));
        d.dossier = p.value(dossier);
    }
    return d;
}

}  // namespace LigneDeCommande
