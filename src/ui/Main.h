#pragma once
#include <QMainWindow>
#include <QString>

#include "ui/AppContext.h"
#include "ui/Saisie.h"

class QAction;
class EnteteListe;
class QGroupBox;
class QMenu;
class ModeleLog;
class QTimer;

// The main window: station, clocks, entry form, command buttons, log list,
// menus. The entry itself is the Saisie's.
class Main : public QMainWindow, public ControlesSaisie {
    Q_OBJECT
public:
    explicit Main(AppContext& ctx, QWidget* parent = nullptr);

    // Start-up sequence: centres, fills the lists, reads the station and its
    // choices, handles a first installation, loads the log and resets the form.
    void demarrer();
    // Load log list: reads Fichier_Log into the log object, enables Ind_A.
    void chargerListe();

    // After the station window accepted a callsign: shows it, restores its
    // band and mode, reloads its log.
    void appliquerStation();

    void Mnu_Date_Auto_Click();
    void Mnu_Date_Man_Click();
    void Mnu_Apropos_Click();
    void Mnu_Historique_Click();
    void Mnu_New_Indicatif_Click();
    void Mnu_Quitter_Click();
    void Timer1_Timer();
    void Rechercher_Click();

    static QString texteAPropos();
    static QString legende();

    AppContext& ctx;
    Saisie* saisie;

    // Controls, named as their objectName (the entry's are in ControlesSaisie).
    QLabel *Picture1, *Label2, *I_Station, *Label34, *Label14;
    QGroupBox *Frame7, *Frame1, *Frame2, *Frame3, *L_Communes;
    EnteteListe* Label_Liste_DCF;
    QPushButton* Rechercher;
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
    void construireSaisie();
    void construireMenus();
    void ajusterEntete();
    void ouvrirStation(bool modale);
};
