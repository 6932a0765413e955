#include "ui/Guide.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/Dialogs.h"
#include "platform/Windows.h"

Guide::Guide(const QString& fichier, QWidget* parent) : QTextBrowser(parent) {
    setObjectName(QStringLiteral("Guide"));
    setWindowTitle(QStringLiteral("Guide de l'utilisateur"));
    setOpenExternalLinks(true);
    setSearchPaths({QFileInfo(fichier).absolutePath()});
    QFile f(fichier);
    if (f.open(QIODevice::ReadOnly)) setMarkdown(QString::fromUtf8(f.readAll()));
}

QString fichierGuide() {
    const QString installe = QCoreApplication::applicationDirPath() +
                             QStringLiteral("/../share/doc/vitralog/guide.md");
    for (const QString& f : {installe, QStringLiteral(VITRALOG_SOURCE_DIR "/docs/guide.md")})
        if (QFileInfo::exists(f)) return QDir::cleanPath(f);
    return {};
}

Guide* ouvrirGuide(AppContext& ctx) {
    const QString f = fichierGuide();
    if (f.isEmpty()) {
        ctx.dialogs->notice(QStringLiteral("Le guide de l'utilisateur est introuvable (guide.md dans ") +
                            QDir::toNativeSeparators(QDir::cleanPath(
                                QCoreApplication::applicationDirPath() + QStringLiteral("/../share/doc/vitralog"))) +
                            QStringLiteral(")"));
        return nullptr;
    }
    return Windows::openSingle<Guide>([&f] { return new Guide(f); });
}
