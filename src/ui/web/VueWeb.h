#pragma once

struct AppContext;
class QWidget;
class WebView;

// The web view of a window: from the context's factory, the platform's own
// when the context names none.
WebView* creerWebView(AppContext& ctx, QWidget* parent);
