#pragma once
#include <QString>

class QCheckBox;
class QComboBox;
class QFont;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QWidget;
struct Qso;

// The entry form's controls, each control's objectName its member's name: the
// fields in the order of entry, the caption of the entry state, the buttons of
// the entry and the log list. The main window builds and places them and keeps
// the form private; the entry road (Saisie) works on it.
class FormulaireSaisie {
public:
    // The fields and the state caption in their frame; the font gives their widths.
    QGroupBox* construireChamps(const QFont& police);
    // Tab goes through the fields in the order of entry, then the buttons and the list.
    void ordreTabulation() const;

    // The QSO the fields hold, as typed.
    Qso qso() const;
    // The fields filled from a line of the log list.
    void remplir(const QString& affichage);
    // The control of a log field (Carnet::Champ), null for none.
    QWidget* controle(int champ) const;

    QComboBox *choixBande = nullptr, *choixMode = nullptr;
    QLineEdit *champIndicatif = nullptr, *champPrenom = nullptr, *champReference = nullptr, *champDepartement = nullptr,
              *champDate = nullptr, *champHeure = nullptr, *champRstRecu = nullptr, *champRstEnvoye = nullptr,
              *champNom = nullptr;
    QCheckBox* caseQsl = nullptr;
    QLabel* etiquetteEtat = nullptr;
    QPushButton *boutonValider = nullptr, *boutonEffacer = nullptr, *boutonInserer = nullptr,
                *boutonSupprimer = nullptr;
    QListView* listeQso = nullptr;
};
