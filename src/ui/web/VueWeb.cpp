#include "ui/web/VueWeb.h"

#include "platform/WebView.h"
#include "ui/AppContext.h"

namespace VueWeb {

WebView* creer(AppContext& ctx, QWidget* parent) {
    if (ctx.webViews) return ctx.webViews->create(parent);
    QtWebViewFactory platform;
    return platform.create(parent);
}

}  // namespace VueWeb
