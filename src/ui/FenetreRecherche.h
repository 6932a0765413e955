#pragma once
#include <QWidget>
#include <array>

#include "ui/AppContext.h"

class EnteteListe;
class QButtonGroup;
class QLineEdit;
class QListView;
class QStringListModel;

// The search window: QSOs of the log list by callsign, reference or
// département; a double click on a result selects it in the log list.
class FenetreRecherche : public QWidget {
    Q_OBJECT
public:
    // The results use the log list's font, to keep its columns.
    FenetreRecherche(AppContext& ctx, const QFont& police, QWidget* parent = nullptr);

    // 1 callsign, 2 reference, 3 département.
    int optionChoisie() const;
    // Fills the results from the box of the chosen option, which is emptied.
    void lancerRecherche();
    QStringList resultats() const;

signals:
    // A result was double-clicked: the row of the log list it shows.
    void qsoChoisi(int ligne);

private:
    QLineEdit* champ(int option) const;
    int toucheIndicatif(int code);
    int toucheReference(int code);
    int toucheDepartement(int code);
    void choisirResultat(int row);

    AppContext& ctx_;
    // The options, numbered as optionChoisie() gives them.
    QButtonGroup* groupeChoix_;
    QLineEdit *champIndicatif_, *champReference_, *champDepartement_;
    QListView* listeResultats_;
    QStringListModel* modele_;
};
