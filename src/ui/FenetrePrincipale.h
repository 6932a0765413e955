#pragma once
#include <QMainWindow>
#include <QPointer>
#include <QString>

#include "ui/AppContext.h"
#include "ui/FormulaireSaisie.h"
#include "ui/MenusPrincipaux.h"

class BandeauStation;
class EnteteListe;
class ModeleLog;
class RadioEtSpots;
class Saisie;

// The main window: station, clocks, entry form, command buttons, log list,
// menus. The entry itself is the Saisie's.
class FenetrePrincipale : public QMainWindow {
    Q_OBJECT
public:
    explicit FenetrePrincipale(AppContext& ctx, QWidget* parent = nullptr);

    // Start-up sequence: centres, fills the lists, reads the station and its
    // choices, handles a first installation, loads the log and resets the form.
    void demarrer();
    // Reads the station's log into the log object and opens the callsign field.
    void chargerListe();

    // After the station window accepted a callsign: shows it, restores its
    // band and mode, reloads its log.
    void appliquerStation();

    // The stored callsign, or the default one when it is not a callsign.
    QString stationEnregistree() const;

    // The clocks, from the clock service; once a second.
    void rafraichirHorloge();

    // Selects a line of the log list and shows it in the form, as a click does.
    void selectionnerQso(int ligne);
    // The entry's state and the line last clicked.
    const Saisie& saisie() const { return *saisie_; }

protected:
    // Closing the main window ends the program, as "Quitter Vitralog" does.
    void closeEvent(QCloseEvent* e) override;

private:
    void construire();
    void connecterMenus();
    bool eventFilter(QObject* o, QEvent* e) override;
    // Back to the control the operator left for the list.
    void rendreFocus();
    void ajusterEntete();
    void ouvrirStation(bool modale);

    // Menu items and the search button.
    void choisirDateAutomatique();
    void choisirDateManuelle();
    void afficherAPropos();
    void afficherHistorique();
    void changerStation();
    void quitter();
    void ouvrirRecherche();
    void ouvrirDossier();

    AppContext& ctx_;
    MenusPrincipaux menus_;
    FormulaireSaisie formulaire_;
    Saisie* saisie_ = nullptr;
    ModeleLog* modele_ = nullptr;
    BandeauStation* bandeau_ = nullptr;
    EnteteListe* enteteListe_ = nullptr;
    RadioEtSpots* radioEtSpots_ = nullptr;
    QPointer<QWidget> avantListe_;  // the control that had the focus before the list
};
