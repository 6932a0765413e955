#include "platform/WebView.h"

#include <QDesktopServices>
#include <QLabel>
#include <QVBoxLayout>

#include <unistd.h>
#include <QCoreApplication>
#include <QLibrary>
#include <QOpenGLContext>
#include <cstdio>

// Qt's own hook, which Qt WebEngine declares the same way.
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);

BrowserWebView::BrowserWebView(QWidget* parent) : WebView(parent) {
    auto* lay = new QVBoxLayout(this);
    adresse_ = new QLabel(this);
    adresse_->setObjectName(QStringLiteral("Adresse"));
    adresse_->setAlignment(Qt::AlignCenter);
    adresse_->setWordWrap(true);
    adresse_->setTextFormat(Qt::RichText);
    adresse_->setOpenExternalLinks(true);
    adresse_->setTextInteractionFlags(Qt::TextBrowserInteraction);
    lay->addWidget(adresse_);
}

void BrowserWebView::navigate(const QUrl& url) {
    const QString lien = url.toString(QUrl::FullyEncoded).toHtmlEscaped();
    adresse_->setText(QStringLiteral("La page est ouverte dans le navigateur :<br><a href=\"%1\">%1</a>").arg(lien));
    QDesktopServices::openUrl(url);
}

namespace {

using Fabrique = WebView* (*)(QWidget*);

bool bacASableCoupe = false;

// The engine needs a context shared with the whole program. Asking Qt for it
// at start-up (Qt::AA_ShareOpenGLContexts) loads the OpenGL stack, LLVM
// included, into every start: 60 MB and 150 ms for a page the user may never
// open. It is made here, as Qt would, before the engine loads.
void contextePartage() {
    if (QOpenGLContext::globalShareContext()) return;
    auto* ctx = new QOpenGLContext;
    ctx->setFormat(QSurfaceFormat::defaultFormat());
    ctx->create();
    qt_gl_set_global_share_context(ctx);
    // Gone before the windowing system is, as Qt does with its own.
    qAddPostRoutine([] {
        delete QOpenGLContext::globalShareContext();
        qt_gl_set_global_share_context(nullptr);
    });
}

// The engine's module, looked for beside an installed program, then in the
// build tree; null when it is not there (built without the engine).
Fabrique moteur() {
    static Fabrique f = [] {
        contextePartage();
        const QString ici = QCoreApplication::applicationDirPath();
        for (const QString& dossier :
             {ici + QStringLiteral("/" VITRALOG_MODULE_REL), ici, QStringLiteral(VITRALOG_MODULE_BUILD)}) {
            QLibrary lib(dossier + QStringLiteral("/vitralog_vueweb"));
            if (auto g = reinterpret_cast<Fabrique>(lib.resolve("vitralog_vue_moteur"))) {
                if (bacASableCoupe)
                    std::fputs("vitralog : lancé en root, le bac à sable du moteur web est désactivé\n", stderr);
                return g;
            }
        }
        return Fabrique(nullptr);
    }();
    return f;
}

}  // namespace

void QtWebViewFactory::bacASablePourRoot() {
    if (::geteuid() != 0 || qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX")) return;
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    bacASableCoupe = true;
}

WebView* QtWebViewFactory::create(QWidget* parent) {
    if (Fabrique f = moteur()) return f(parent);
    return new BrowserWebView(parent);
}
