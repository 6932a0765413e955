#pragma once
#include <QUrl>
#include <QWidget>
#include <functional>

#include "core/web/PageInaccessible.h"

class QLabel;

// A widget that shows the page at an address. Navigation only: nothing is
// read back from the page. Defined in this header alone: the engine's module
// builds on it without linking the platform.
class WebView : public QWidget {
public:
    using QWidget::QWidget;
    virtual void navigate(const QUrl& url) = 0;

    // The HTML shown in place of a page that could not be loaded, from its
    // address, why, and the status or error number.
    using PageEchec = std::function<QString(const QUrl&, PageInaccessible::Raison, int code)>;
    void setPageEchec(PageEchec f) { pageEchec_ = std::move(f); }
    const PageEchec& pageEchec() const { return pageEchec_; }

private:
    PageEchec pageEchec_;
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
