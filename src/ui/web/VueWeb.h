#pragma once
#include <QString>

struct AppContext;
class QWidget;
class WebView;

namespace VueWeb {

// The web view of a window: from the context's factory, the platform's own
// when the context names none. A page that cannot be loaded gives way to one
// of ours, in French, ending with the window's hint when it has one.
WebView* creer(AppContext& ctx, QWidget* parent, const QString& conseil = {});

}  // namespace VueWeb
