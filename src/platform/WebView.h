#pragma once
#include <QUrl>
#include <QWidget>

class QLabel;

// A widget that shows the page at an address. Navigation only: nothing is
// read back from the page.
class WebView : public QWidget {
public:
    using QWidget::QWidget;
    virtual void navigate(const QUrl& url) = 0;
};

class WebViewFactory {
public:
    virtual ~WebViewFactory() = default;
    virtual WebView* create(QWidget* parent) = 0;
};

// The embedded engine when its module is there (loaded on the first page),
// otherwise the desktop browser.
class QtWebViewFactory : public WebViewFactory {
public:
    WebView* create(QWidget* parent) override;
    // The engine refuses to start as root with its sandbox on: for root, and
    // unless the environment already says, it is turned off before anything
    // can start the engine, and the user is told once the engine loads. It
    // stays on for every other user.
    static void bacASablePourRoot();
};

// Opens the page in the desktop browser and shows its address.
class BrowserWebView : public WebView {
public:
    explicit BrowserWebView(QWidget* parent = nullptr);
    void navigate(const QUrl& url) override;

private:
    QLabel* adresse_;
};
