#pragma once
#include <QStringList>
#include <QWidget>

#include "ui/AppContext.h"

class EnteteColonnes;
class QGroupBox;
class QLabel;
class QListView;
class QPushButton;
class ModeleEntrees;

// The contacted list: every QSO in reference order, one line per reference
// and callsign prefix, saved or printed as shown.
class Aff_Contacte : public QWidget {
    Q_OBJECT
public:
    explicit Aff_Contacte(AppContext& ctx, QWidget* parent = nullptr);

    void Enregistrer_Contactes();
    void Imprimer_Contactes();
    void Quitter_Click();

    // The visible list, and the hidden sorted list behind it.
    QStringList entrees() const;
    QStringList entreesTriees() const;

    AppContext& ctx;

    QGroupBox *Frame1, *Frame2;
    QLabel* Label3;
    EnteteColonnes* Label2;
    QListView *Liste_DCF_Contacte, *Liste_DCF_Contacte_bis;
    ModeleEntrees *modele, *modeleBis;
    QPushButton *Enregistrer, *Imprimer, *Quitter;

private:
    mutable bool triees_ = false;
};
