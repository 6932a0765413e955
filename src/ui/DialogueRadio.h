#pragma once
#include <QDialog>

class Dialogs;
class QComboBox;
class QLabel;
class QLineEdit;
class QProcess;
class QRadioButton;
class QSortFilterProxyModel;
class QSpinBox;
class QStandardItemModel;
class QTreeView;
class SettingsStore;

// "Radio…": no radio; a rigctld already running at an address; or a rig on
// this computer, chosen among the models rigctl lists, with its serial
// device and speed, for which Vitralog runs rigctld itself. The settings are
// written only when the choice holds; the caller then applies them.
class DialogueRadio : public QDialog {
    Q_OBJECT
public:
    DialogueRadio(SettingsStore& settings, Dialogs& dialogs, QWidget* parent = nullptr);
    ~DialogueRadio() override;

    // Serial devices present under `dev`: stable names first, then ttyUSB, ttyACM and the ttyS with a UART.
    static QStringList portsSerie(const QString& dev = QStringLiteral("/dev"),
                                  const QString& sys = QStringLiteral("/sys/class/tty"));

private:
    void lireReglages();
    void listerModeles();
    void modelesLus();
    void afficherMessage(const QString& texte);
    void chercher(const QString& texte);
    void choisirModele(int numero);
    void enregistrer();

    SettingsStore& settings_;
    Dialogs& dialogs_;
    QRadioButton* choixAucune;
    QRadioButton* choixAdresse;
    QRadioButton* choixModele;
    QLineEdit* champAdresse;
    QLineEdit* champRecherche;
    QTreeView* listeModeles;
    QLabel* messageModeles;
    QComboBox* champPort;
    QComboBox* champVitesse;
    QSpinBox* champIntervalle;
    QStandardItemModel* modeles_;
    QSortFilterProxyModel* filtre_;
    QProcess* rigctl_ = nullptr;
    int modeleEnregistre_ = 0;  // selected once the list is read
};
