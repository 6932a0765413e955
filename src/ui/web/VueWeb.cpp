#include "ui/web/VueWeb.h"

#include "ui/AppContext.h"
#include "platform/WebView.h"

WebView* creerWebView(AppContext& ctx, QWidget* parent) {
    if (ctx.webViews) return ctx.webViews->create(parent);
    QtWebViewFactory platform;
    return platform.create(parent);
}
