#pragma once
#include <QWidget>

#include "ui/AppContext.h"

class QComboBox;
class WebView;

// The DX-cluster page of one band, the band remembered per station.
class FenetreCluster : public QWidget {
    Q_OBJECT
public:
    explicit FenetreCluster(AppContext& ctx, QWidget* parent = nullptr);
    QSize sizeHint() const override { return {1000, 720}; }

    // Stores the chosen band and shows its page; a typed text that names no
    // band stores -1 and leaves the page as it is.
    void rafraichir();

private:
    AppContext& ctx_;
    WebView* vueWeb_;
    QComboBox* choixBande_;
};

// Opens the cluster window (its stored band shown at once), or brings the
// open one to the front.
FenetreCluster* ouvrirCluster(AppContext& ctx);
