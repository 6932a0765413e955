#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QStandardPaths>
#include <QTranslator>

#include "core/journal/Carnet.h"
#include "ui/AppContext.h"
#include "ui/Main.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/HttpClient.h"
#include "platform/Printer.h"
#include "platform/SettingsStore.h"
#include "platform/WebView.h"

namespace {

bool dossierInscriptible(const QString& dir) {
    QFile probe(dir + QStringLiteral("/.vitralog-ecriture"));
    if (!probe.open(QIODevice::WriteOnly)) return false;
    probe.close();
    probe.remove();
    return true;
}

// The program's own directory, or the per-user data directory when the
// program is installed where the user cannot write.
QString cheminRepertoire() {
    const QString own = QCoreApplication::applicationDirPath();
    if (dossierInscriptible(own)) return own;
    const QString user = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(user);
    return user;
}

}  // namespace

int main(int argc, char** argv) {
    // The web view shares its graphics context; Qt asks for this before the application.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vitralog"));
    QApplication::setOrganizationName(QStringLiteral("Vitralog"));

    // Qt's own dialogs (printing, buttons) in French.
    QTranslator qtFrancais;
    if (qtFrancais.load(QLocale(QLocale::French, QLocale::France), QStringLiteral("qtbase"),
                        QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtFrancais);

    QtSettingsStore settings;
    QtDialogs dialogs;
    SystemClock clock;
    QtHttpClient http;
    QtWebViewFactory webViews;
    QtPrinter printer;
    Carnet carnet;
    AppContext ctx;
    ctx.dataDir = cheminRepertoire();
    ctx.settings = &settings;
    ctx.dialogs = &dialogs;
    ctx.clock = &clock;
    ctx.http = &http;
    ctx.webViews = &webViews;
    ctx.printer = &printer;
    ctx.carnet = &carnet;

    Main main(ctx);
    main.demarrer();
    return app.exec();
}
