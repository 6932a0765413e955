#include "ui/web/VueWeb.h"

#include "core/web/PageInaccessible.h"
#include "platform/WebView.h"
#include "ui/AppContext.h"

namespace VueWeb {

WebView* creer(AppContext& ctx, QWidget* parent, const QString& conseil) {
    QtWebViewFactory platform;
    WebView* vue = ctx.webViews ? ctx.webViews->create(parent) : platform.create(parent);
    vue->setPageEchec([conseil](const QUrl& adresse, PageInaccessible::Raison raison, int code) {
        return PageInaccessible::html(adresse.toDisplayString(), raison, code, conseil);
    });
    return vue;
}

}  // namespace VueWeb
