#pragma once

struct AppContext;
class QWidget;
class WebView;

namespace VueWeb {

// The web view of a window: from the context's factory, the platform's own
// when the context names none.
WebView* creer(AppContext& ctx, QWidget* parent);

}  // namespace VueWeb
