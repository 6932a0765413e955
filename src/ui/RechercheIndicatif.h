#pragma once
#include <QWidget>
#include <array>

#include "ui/AppContext.h"

class EnteteListe;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QListView;
class QModelIndex;
class QPushButton;
class QRadioButton;
class QStringListModel;

// The search window: QSOs of the log list by callsign, reference or
// département; a double click on a result selects it in the log list.
class Recherche_Indicatif : public QWidget {
    Q_OBJECT
public:
    // The results use the log list's font, to keep its columns.
    Recherche_Indicatif(AppContext& ctx, const QFont& police, QWidget* parent = nullptr);

    // 1 callsign, 2 reference, 3 département.
    int optionChoisie() const;
    void Option1_Click(int index);
    void Indica_Click();
    void Data_Click();
    void Depa_Click();
    int Indica_KeyPress(int code);
    int Data_KeyPress(int code);
    int Depa_KeyPress(int code);
    void Lance_Recherche();
    void QSO_Effectues_DblClick(int row);
    void Command1_Click();

    QStringList resultats() const;

    AppContext& ctx;

    // Option1(1) to Option1(3), all named "Option1".
    std::array<QRadioButton*, 3> Option1;
    QButtonGroup* groupe;
    QLineEdit *Indica, *Data, *Depa;
    QListView* QSO_Effectues;
    QStringListModel* modele;
    EnteteListe* Label13;
    QLabel* Label3;
    QPushButton* Command1;

signals:
    // A result was double-clicked: the row of the log list it shows.
    void qsoChoisi(int ligne);

private:
    QLineEdit* boite(int option) const;
};
