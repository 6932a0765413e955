#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QIcon>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>
#include <cstdio>

#include "core/Chronos.h"
#include "core/LigneDeCommande.h"
#include "core/journal/Carnet.h"
#include "core/journal/FichierAtomique.h"
#include "core/sauvegarde/Sauvegardes.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/DossierDonnees.h"
#include "platform/HttpClient.h"
#include "platform/Printer.h"
#include "platform/SettingsStore.h"
#include "platform/SignauxArret.h"
#include "platform/WebView.h"
#include "ui/AppContext.h"
#include "ui/FenetrePrincipale.h"
#include "ui/GestionSauvegardes.h"

int main(int argc, char** argv) {
    QElapsedTimer chrono;
    chrono.start();
    // Read before the application exists: help, version and mistakes need no
    // display, and Qt aborts where there is none.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
    const LigneDeCommande::Demande demande = LigneDeCommande::lire(arguments, QProcessEnvironment::systemEnvironment());
    if (demande.action != LigneDeCommande::Action::Lancer) {
        std::fputs(demande.texte.toLocal8Bit().constData(), demande.code == 0 ? stdout : stderr);
        return demande.code;
    }
    // Past a file-size limit a write fails with its message instead of killing us.
    FichierAtomique::ignorerLimiteTaille();
    QtWebViewFactory::bacASablePourRoot();
    QApplication app(argc, argv);
    SignauxArret::installer();
    QApplication::setApplicationName(QStringLiteral("Vitralog"));
    QApplication::setOrganizationName(QStringLiteral("Vitralog"));
    QGuiApplication::setDesktopFileName(QStringLiteral("fr.vitralog.Vitralog"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("fr.vitralog.Vitralog"),
                                                 QIcon(QStringLiteral(":/icons/fr.vitralog.Vitralog.svg"))));

    // Qt's own dialogs (printing, buttons) in French.
    QTranslator qtFrancais;
    if (qtFrancais.load(QLocale(QLocale::French, QLocale::France), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtFrancais);

    QtDialogs dialogs;
    const QString dossier = DossierDonnees::choisir(demande.dossier);
    if (!QDir().mkpath(dossier)) {
        dialogs.notice(QStringLiteral("Impossible de créer le dossier des données ") +
                       QDir::toNativeSeparators(dossier));
        return 1;
    }
    // One copy per data folder: two would each rewrite the log over the other's QSOs.
    const std::unique_ptr<QLockFile> verrou = DossierDonnees::verrouiller(dossier);
    if (!verrou) {
        dialogs.notice(QStringLiteral("Vitralog est déjà ouvert"));
        return 1;
    }
    // Under the lock no writer of ours runs: what a killed save left is garbage.
    FichierAtomique::nettoyer(dossier);
    Sauvegardes::nettoyer(dossier + QStringLiteral("/Sauvegardes"));
    const QStringList deplaces =
        DossierDonnees::migrer(DossierDonnees::anciensDossiers(QCoreApplication::applicationDirPath()), dossier);
    if (!deplaces.isEmpty())
        dialogs.notice(QStringLiteral("Vos fichiers ont été déplacés dans le dossier des données ") +
                       QDir::toNativeSeparators(dossier) + QStringLiteral(" :\r\n") +
                       deplaces.join(QStringLiteral("\r\n")));

    QtSettingsStore settings;
    SystemClock clock;
    QtHttpClient http;
    QtWebViewFactory webViews;
    QtPrinter printer;
    Carnet carnet;
    AppContext ctx;
    ctx.dataDir = dossier;
    ctx.settings = &settings;
    ctx.dialogs = &dialogs;
    ctx.clock = &clock;
    ctx.http = &http;
    ctx.webViews = &webViews;
    ctx.printer = &printer;
    ctx.carnet = &carnet;
    Sauvegardes sauvegardes;
    ctx.sauvegardes = &sauvegardes;
    GestionSauvegardes::relier(ctx);

    FenetrePrincipale fenetre(ctx);
    fenetre.demarrer();
    // Start-up timing for the benchmark script, once the first paint is queued.
    if (Chronos::actif())
        QTimer::singleShot(0, &fenetre, [&chrono] { Chronos::noter("demarrage_interne", chrono.elapsed()); });
    const int code = app.exec();
    GestionSauvegardes::fermer(ctx);
    return code;
}
