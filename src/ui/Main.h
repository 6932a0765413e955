#pragma once
#include <QMainWindow>
#include <QString>
#include <QByteArrayList>
#include <QStringList>
#include <functional>

#include "ui/AppContext.h"

class QAction;
class EnteteListe;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QMenu;
class QPushButton;
class ModeleLog;
class QTimer;

// The list index of a combo box's text, -1 when it matches no item.
int indexCombo(const QComboBox* cb);
// Shows a text in a combo box, selecting its item when there is one.
void texteCombo(QComboBox* cb, const QString& text);

// The main window: station, clocks, entry form, command buttons, log list, menus.
class Main : public QMainWindow {
    Q_OBJECT
public:
    explicit Main(AppContext& ctx, QWidget* parent = nullptr);
    ~Main() override;

    // Start-up sequence: centres, fills the lists, reads the station and its
    // choices, handles a first installation, loads the log and resets the form.
    void demarrer();

    void Init_Saisie();
    // Load log list: refills Liste_DCF from Fichier_Log and enables Ind_A.
    void chargerListe();
    // The same from lines just written, without reading them back.
    void chargerListe(QByteArrayList lignes);
    QString ligneListe(int row) const;
    // Selects a list line from code; runs the click handling as a user click.
    void selectionnerLigne(int row);
    void selectionnerDerniere();
    QStringList lignesListe() const;
    int ligneCourante() const;

    // After the station window accepted a callsign: shows it, restores its
    // band and mode, reloads its log.
    void appliquerStation();

    // Menu and button handlers.
    void Efface_A_Click();
    void Liste_DCF_Click();
    void Mnu_Date_Auto_Click();
    void Mnu_Date_Man_Click();
    void Mnu_Apropos_Click();
    void Mnu_Historique_Click();
    void Mnu_New_Indicatif_Click();
    void Mnu_Quitter_Click();
    void Timer1_Timer();

    bool dateAuto() const;

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

    // Saving, and what the log list's buttons do.
    void Valide_A_Click();
    void Liste_DCF_DblClick();
    void Annule_Saisie_Click();
    void Ajout_QSO_Click();
    // Log writers: rewrite the log, reload the list, select its last entry.
    // False, after a message, when the log could not be rewritten.
    bool Ecrire_En_Fin(const QString& ligne);
    bool Inserer_Par_Date(const QString& ligne);
    bool Remplacer_Ligne(const QString& nouvelle, const QString& ancienne);
    bool Supprimer_Ligne(const QString& ancienne);

    // Fills the remembered first name of a callsign (and may empty Dpt_A).
    void Cherche_Prenom(const QString& indicatif);
    QString fichierPrenoms() const;
    QString fichierListeDCF() const;

    // Module-wide entry state.
    bool Mode_Modification = false;
    bool Mode_Insertion = false;
    bool Edition_En_Cours = false;
    QString Ligne_Selectionnee;

    static QString texteAPropos();
    static QString legende();

    AppContext& ctx;

    // Controls, named as their objectName; other windows reach them directly.
    QLabel* Picture1;
    QGroupBox *Frame7, *Frame1, *Frame2, *Frame3, *L_Communes;
    QLabel *Label33, *Label2, *I_Station, *Label34, *Label37, *Mode_Aff, *Label14;
    EnteteListe* Label_Liste_DCF;
    QComboBox *Bande_A, *Mode_A;
    QLineEdit *Ind_A, *Prenom_A, *Ref_A, *Dpt_A, *Date_A, *Heure_A, *RST_A, *RSTE_A, *Rem_A;
    QCheckBox* QSL_A;
    QPushButton *Valide_A, *Efface_A, *Ajout_QSO, *Annule_Saisie, *Rechercher;
    QListView* Liste_DCF;
    ModeleLog* modele;
    QTimer* Timer1;

    QMenu *Mnu_Fichier, *Mnu_Date, *Mnu_Liste, *Mnu_Carte, *Mnu_Aide;
    QAction *Mnu_ADIF, *Mnu_Quitter, *Mnu_Date_Auto, *Mnu_Date_Man, *Mnu_New_Indicatif,
        *Mnu_L_Contacte, *Mnu_Carte_Contacte, *Mnu_Diplomes, *Mnu_Cluster, *Mnu_Reglement,
        *Mnu_Maj_DCF, *Mnu_Apropos, *Mnu_Historique;

protected:
    // Closing the main window ends the program, as "Quitter Vitralog" does.
    void closeEvent(QCloseEvent* e) override;

private:
    void construire();
    void construireMenus();
    void installerSaisie();
    // Enable, light green, focus.
    void ouvrir(QWidget* w);
    // Disabled and light yellow.
    static void fermer(QWidget* w);
    // Both reports from the mode the box shows now.
    void rapportsParDefaut();
    void memoriserIndex(QComboBox* cb, const QString& key);
    bool reecrireLog(const QString& tmpName, const std::function<QByteArrayList(QByteArrayList)>& change);
    // Every field against its column; false after showing the refusal.
    bool verifierAvantEnregistrement();
    void remplirDepuis(const QString& affichage);
    void apresEnregistrement();
    void remplirListes();
    void selectionnerIndex(QComboBox* cb, int index);
    void ajusterEntete();
};
