#pragma once
#include <QMainWindow>
#include <QString>

#include "ui/AppContext.h"
#include "ui/MenusMain.h"
#include "ui/Saisie.h"

class EnteteListe;
class QGroupBox;
class ModeleLog;
class QTimer;

// The main window: station, clocks, entry form, command buttons, log list,
// menus. The entry itself is the Saisie's.
class Main : public QMainWindow, public ControlesSaisie, public MenusMain {
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
    void Mnu_Dossier_Click();
    void Mnu_Spots_Click();

    // The stored callsign, or the default one when it is not a callsign.
    QString stationEnregistree() const;

    AppContext& ctx;
    Saisie* saisie;

    // Controls, named as their objectName (the entry's are in ControlesSaisie,
    // the menus in MenusMain).
    QLabel *Picture1, *Label2, *I_Station, *Label34, *Label14;
    QGroupBox *Frame7, *Frame1, *Frame2, *Frame3, *L_Communes;
    EnteteListe* Label_Liste_DCF;
    QPushButton* Rechercher;
    ModeleLog* modele;
    QTimer* Timer1;


protected:
    // Closing the main window ends the program, as "Quitter Vitralog" does.
    void closeEvent(QCloseEvent* e) override;

private:
    void construire();
    void connecterMenus();
    bool eventFilter(QObject* o, QEvent* e) override;
    void ajusterEntete();
    void ouvrirStation(bool modale);
};
