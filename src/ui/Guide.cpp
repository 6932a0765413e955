#include "ui/Guide.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextBlock>
#include <QTextCursor>

#include "platform/Dialogs.h"
#include "platform/Windows.h"

namespace {

// The anchor a web forge gives a heading, which the guide's contents link to:
// lower case, punctuation dropped, blanks turned into hyphens.
QString ancre(const QString& titre) {
    QString out;
    for (const QChar c : titre.toLower()) {
        if (c.isLetterOrNumber() || c == QLatin1Char('-') || c == QLatin1Char('_'))
            out += c;
        else if (c == QLatin1Char(' '))
            out += QLatin1Char('-');
    }
    return out;
}

// Qt's Markdown reader names no heading, so "#…" links would lead nowhere.
void nommerTitres(QTextDocument* doc) {
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
        if (b.blockFormat().headingLevel() == 0 || b.text().isEmpty()) continue;
        QTextCursor c(b);
        c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        QTextCharFormat f;
        f.setAnchor(true);
        f.setAnchorNames({ancre(b.text())});
        c.mergeCharFormat(f);
    }
}

}  // namespace

Guide::Guide(const QString& fichier, QWidget* parent) : QTextBrowser(parent) {
    setObjectName(QStringLiteral("Guide"));
    setWindowTitle(QStringLiteral("Guide de l'utilisateur"));
    setOpenExternalLinks(true);
    setSearchPaths({QFileInfo(fichier).absolutePath()});
    QFile f(fichier);
    if (f.open(QIODevice::ReadOnly)) setMarkdown(QString::fromUtf8(f.readAll()));
    nommerTitres(document());
}

QString fichierGuide() {
    const QString installe = QCoreApplication::applicationDirPath() + QStringLiteral("/../share/doc/vitralog/guide.md");
    for (const QString& f : {installe, QStringLiteral(VITRALOG_SOURCE_DIR "/docs/guide.md")})
        if (QFileInfo::exists(f)) return QDir::cleanPath(f);
    return {};
}

Guide* ouvrirGuide(AppContext& ctx) {
    const QString f = fichierGuide();
    if (f.isEmpty()) {
        ctx.dialogs->notice(QStringLiteral("Le guide de l'utilisateur est introuvable (guide.md dans ") +
                            QDir::toNativeSeparators(QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                                                     QStringLiteral("/../share/doc/vitralog"))) +
                            QStringLiteral(")"));
        return nullptr;
    }
    return Windows::openSingle<Guide>([&f] { return new Guide(f); });
}
