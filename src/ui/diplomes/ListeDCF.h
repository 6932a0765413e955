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

// The award list: every confirmed QSO in reference order, saved or printed
// under the level held in Niveau_Diplome at that moment.
class Liste_DCF : public QWidget {
    Q_OBJECT
public:
    explicit Liste_DCF(AppContext& ctx, QWidget* parent = nullptr);

    void Enregistrer_Click();
    void Imprimer_Click();
    void Command1_Click();

    QStringList entrees() const;

    AppContext& ctx;

    QGroupBox *Frame1, *Frame2;
    QLabel *Label4, *Label3;
    EnteteColonnes* Label2;
    QListView* Liste_DCF_Contacte;
    ModeleEntrees* modele;
    QPushButton *Enregistrer, *Imprimer, *Command1;
};
