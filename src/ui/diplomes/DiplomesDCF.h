#pragma once
#include <QWidget>

#include "ui/AppContext.h"

class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;

// Award progress: for each of the four levels, reached or how many
// confirmed QSOs are missing, and the button that lists them.
class Diplomes_DCF : public QWidget {
    Q_OBJECT
public:
    explicit Diplomes_DCF(AppContext& ctx, QWidget* parent = nullptr);

    int confirmes() const { return confirmes_; }

    void HF_Base_Click() { voirListe(0); }
    void HF_Excellence_Click() { voirListe(1); }
    void HF_Honneur_Click() { voirListe(2); }
    void HF_Trophe_Click() { voirListe(3); }

    AppContext& ctx;

    QGroupBox *Frame1, *Frame2;
    QLabel *Label2;
    QLabel *Label4, *Label7, *Label12, *Label15;   // status of each level
    QLabel *Label18, *Label19, *Label20, *Label21; // count of each level
    QFrame *Line2, *Line3, *Line4;
    QPushButton *HF_Base, *HF_Excellence, *HF_Honneur, *HF_Trophe;

private:
    void voirListe(int niveau);
    int confirmes_ = 0;
};
