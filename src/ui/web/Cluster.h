#pragma once
#include <QWidget>

#include "ui/AppContext.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class WebView;

// The DX-cluster page of one band, the band remembered per station.
class Cluster : public QWidget {
    Q_OBJECT
public:
    explicit Cluster(AppContext& ctx, QWidget* parent = nullptr);
    QSize sizeHint() const override { return {1000, 720}; }

    // Stores the chosen band and shows its page; a typed text that names no
    // band stores -1 and leaves the page as it is.
    void rafraichir();
    void Afficher_Click() { rafraichir(); }

    WebView* WebBrowser1;
    QComboBox* Bande_CL;
    QPushButton* Afficher;
    QGroupBox* Frame1;
    QLabel *Label1, *Label2, *Label3;

private:
    AppContext& ctx;
};

// Opens the cluster window (its stored band shown at once), or brings the
// open one to the front.
Cluster* ouvrirCluster(AppContext& ctx);
