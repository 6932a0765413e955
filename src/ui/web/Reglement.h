#pragma once
#include <QWidget>

#include "ui/AppContext.h"

class WebView;

// The award rules, a web page shown in the embedded view.
class Reglement : public QWidget {
    Q_OBJECT
public:
    explicit Reglement(AppContext& ctx, QWidget* parent = nullptr);
    QSize sizeHint() const override { return {1000, 720}; }

    WebView* WebBrowser1;

private:
    AppContext& ctx;
};

// Opens the rules window, or brings the open one to the front.
Reglement* ouvrirReglement(AppContext& ctx);
