#pragma once
#include <QObject>
#include <QString>

#include "ui/AppContext.h"

class QCheckBox;
class QFont;
class QGroupBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QWidget;
class ModeleLog;
struct Qso;

// The controls of the main window that the entry of a QSO works with,
// named as their objectName.
struct ControlesSaisie {
    QComboBox *Bande_A = nullptr, *Mode_A = nullptr;
    QLineEdit *Ind_A = nullptr, *Prenom_A = nullptr, *Ref_A = nullptr, *Dpt_A = nullptr,
              *Date_A = nullptr, *Heure_A = nullptr, *RST_A = nullptr, *RSTE_A = nullptr,
              *Rem_A = nullptr;
    QCheckBox* QSL_A = nullptr;
    QPushButton *Valide_A = nullptr, *Efface_A = nullptr, *Ajout_QSO = nullptr,
                *Annule_Saisie = nullptr;
    QLabel *Mode_Aff = nullptr, *Label33 = nullptr, *Label37 = nullptr;  // state, UTC date, UTC time
    QListView* Liste_DCF = nullptr;
};

// The road of one QSO through the entry form: what Enter checks and opens
// in each field, the save, and the log list's click, double-click, insert
// and delete. Checks and writes belong to the logic layer; this moves
// values between the controls and it.
class Saisie : public QObject {
    Q_OBJECT
public:
    Saisie(AppContext& ctx, ControlesSaisie& c, ModeleLog* modele, QObject* parent = nullptr);

    // Builds the entry form's fields into c (the buttons and list are the window's).
    static QGroupBox* construireFormulaire(ControlesSaisie& c, const QFont& police);
    // Tab goes through the fields in the order of entry, then the buttons and the list.
    static void ordreTabulation(const ControlesSaisie& c);

    void Init_Saisie();
    bool dateAuto() const;
    void setDateAuto(bool autoDate) { dateAuto_ = autoDate; }

    // Key presses of the entry controls: the code to insert, 0 for nothing.
    int Bande_A_KeyPress(int code);
    int Ind_A_KeyPress(int code);
    int Prenom_A_KeyPress(int code);
    int Ref_A_KeyPress(int code);
    int Dpt_A_KeyPress(int code);
    int Date_A_KeyPress(int code);
    int Heure_A_KeyPress(int code);
    int Mode_A_KeyPress(int code);
    int RST_A_KeyPress(int code);
    int RSTE_A_KeyPress(int code);
    int Rem_A_KeyPress(int code);
    int QSL_A_KeyPress(int code);

    void Valide_A_Click();
    void Efface_A_Click() { Init_Saisie(); }
    void Liste_DCF_Click();
    void Liste_DCF_DblClick();
    void Annule_Saisie_Click();
    void Ajout_QSO_Click();

    // A spot picked in the spots window: band and callsign now, the
    // reference when Ref_A opens. Nothing is saved.
    void prendreSpot(const QString& bande, const QString& indicatif, const QString& reference);

    // Fills the remembered first name of a callsign (and may empty Dpt_A).
    void Cherche_Prenom(const QString& indicatif);

    // Selects a list line from code; runs the click handling as a user click.
    void selectionnerLigne(int row);
    void selectionnerDerniere();
    // Both reports from the mode the box shows now.
    void rapportsParDefaut();
    // The stored band and mode of the station.
    void restaurerBandeEtMode();

    bool Mode_Modification = false;
    bool Mode_Insertion = false;
    bool Edition_En_Cours = false;
    QString Ligne_Selectionnee;

private:
    void installer();
    void ouvrir(QWidget* w);
    void memoriserIndex(QComboBox* cb, const QString& key);
    Qso qsoSaisi() const;
    void remplirDepuis(const QString& affichage);
    void apresEnregistrement();
    QWidget* controle(int champ) const;
    QString fichierPrenoms() const { return ctx.path(QStringLiteral("Liste_Prenom.txt")); }
    QString fichierListeDCF() const { return ctx.path(QStringLiteral("Liste_DCF.csv")); }

    AppContext& ctx;
    ControlesSaisie& c;
    ModeleLog* modele;
    bool dateAuto_ = true;
    QString refSpot_;             // what Ref_A gets when it opens empty
    bool listeAbsenteDite_ = false;  // the missing list is told once a session
};
