#pragma once

class QAction;
class QMainWindow;
class QMenu;

// The main window's menu bar, named as its objectNames. Captions carry a
// mnemonic each (no two alike in the bar and the buttons of the window).
struct MenusMain {
    QMenu *Mnu_Fichier = nullptr, *Mnu_Date = nullptr, *Mnu_Liste = nullptr, *Mnu_Carte = nullptr,
          *Mnu_Aide = nullptr;
    QAction *Mnu_ADIF = nullptr, *Mnu_Import_ADIF = nullptr, *Mnu_Dossier = nullptr,
            *Mnu_Quitter = nullptr, *Mnu_Date_Auto = nullptr, *Mnu_Date_Man = nullptr,
            *Mnu_New_Indicatif = nullptr, *Mnu_L_Contacte = nullptr, *Mnu_Carte_Contacte = nullptr,
            *Mnu_Diplomes = nullptr, *Mnu_Cluster = nullptr, *Mnu_Spots = nullptr,
            *Mnu_Reglement = nullptr, *Mnu_Maj_DCF = nullptr, *Mnu_Import_DCF = nullptr,
            *Mnu_Apropos = nullptr, *Mnu_Historique = nullptr, *Mnu_Guide = nullptr;

    // Builds the menus into the window's menu bar; connecting them is the window's.
    void construire(QMainWindow* fenetre);
};
