#pragma once

class QAction;
class QMainWindow;
class QMenu;

// The main window's menu bar, each item's objectName its member's name.
// Captions carry a mnemonic each (no two alike in the bar and the buttons
// of the window). The window keeps it private and connects the actions.
struct MenusPrincipaux {
    QMenu *menuFichier = nullptr, *menuDate = nullptr, *menuListe = nullptr, *menuCarte = nullptr, *menuAide = nullptr;
    QAction *actionExporterAdif = nullptr, *actionImporterAdif = nullptr, *actionOuvrirDossier = nullptr,
            *actionQuitter = nullptr, *actionDateAutomatique = nullptr, *actionDateManuelle = nullptr,
            *actionStation = nullptr, *actionContactees = nullptr, *actionCarte = nullptr, *actionDiplomes = nullptr,
            *actionCluster = nullptr, *actionSpots = nullptr, *actionReglement = nullptr,
            *actionMettreAJourListe = nullptr, *actionImporterListe = nullptr, *actionAPropos = nullptr,
            *actionHistorique = nullptr, *actionGuide = nullptr, *actionImporterConfirmations = nullptr,
            *actionRadio = nullptr, *actionSignaler = nullptr, *actionAnnuler = nullptr, *actionRestaurer = nullptr,
            *actionDossierSauvegardes = nullptr;

    // Builds the menus into the window's menu bar.
    void construire(QMainWindow* fenetre);
};
