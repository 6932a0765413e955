#pragma once
#include <QWidget>

#include "ui/AppContext.h"

class WebView;

// The award rules, a web page shown in the embedded view.
class FenetreReglement : public QWidget {
    Q_OBJECT
public:
    explicit FenetreReglement(AppContext& ctx, QWidget* parent = nullptr);
    QSize sizeHint() const override { return {1000, 720}; }

    // Loads the rules page from its server.
    void afficherPage();

private:
    AppContext& ctx_;
    WebView* vueWeb_;
};

// Opens the rules window, or brings the open one to the front.
FenetreReglement* ouvrirReglement(AppContext& ctx);
