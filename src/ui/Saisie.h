#pragma once
#include <QObject>
#include <QString>
#include <QStringList>

#include "ui/AppContext.h"
#include "ui/ToucheChamps.h"

class QComboBox;
class QDateTime;
class QWidget;
class FormulaireSaisie;
class ModeleLog;

// Where the entry form stands: a new QSO at the end of the log, the edit of
// a listed QSO, or a new QSO inserted by its date.
enum class EtatSaisie { Nouveau, Modification, Insertion };

// The road of one QSO through the entry form: what Enter checks and opens
// in each field, the save, and the log list's click, double-click, insert
// and delete. Checks and writes belong to the logic layer; this moves
// values between the form's controls and it, and keeps the form's state.
class Saisie : public QObject {
    Q_OBJECT
    friend class ToucheChamps;

public:
    Saisie(AppContext& ctx, FormulaireSaisie& formulaire, ModeleLog* modele, QObject* parent = nullptr);

    // The date and time a new QSO takes from the UTC clock, as the main window shows them.
    static QString texteDate(const QDateTime& utc);
    static QString texteHeure(const QDateTime& utc);

    // What the form was left by when it goes back to a new QSO.
    enum class Apres { Effacement, Enregistrement };
    // The one reset of the form, to the callsign of a new QSO.
    void nouvelleSaisie(Apres apres = Apres::Effacement);

    EtatSaisie etat() const { return etat_; }
    // The display line of the QSO last clicked in the list; empty before any.
    const QString& ligneSelectionnee() const { return ligneSelectionnee_; }
    bool dateAuto() const { return dateAuto_; }
    void setDateAuto(bool autoDate) { dateAuto_ = autoDate; }

    // The buttons.
    void validerQso();
    void effacerSaisie() { nouvelleSaisie(); }
    void insererQso();
    void supprimerQso();
    // The log list: a click shows the line in the form, a double click edits it.
    void afficherLigne();
    void modifierLigne();

    // A spot picked in the spots window: band and callsign now, the
    // reference when the reference field opens. Nothing is saved.
    void prendreSpot(const QString& bande, const QString& indicatif, const QString& reference);
    // A QSO picked in the search window: its line selected and shown, the
    // main window brought forward.
    void prendreQsoTrouve(int ligne);

    // Whether a field holds text the operator typed since the form was last
    // reset or filled from a line, a spot or the rig.
    bool saisieEnCours() const;
    // Before a click, a spot or a search result replaces the form: true when
    // nothing typed would be lost, or the operator answers Oui to "Abandonner
    // la saisie en cours ?" (Non by default). An edit is never replaced.
    bool abandonnerSaisie();

    // The rig's band and mode, followed while a new QSO is typed unless the
    // operator chose one by hand in this QSO; kept for the next QSO otherwise.
    void suivreBandeRadio(const QString& bande);
    void suivreModeRadio(const QString& mode);

    // The QSO to announce to the cluster: the one typed in the form, else the last saved.
    struct QsoSignale {
        QString indicatif, reference;
    };
    QsoSignale qsoASignaler() const;

    // Selects a list line from code; runs the click handling as a user click.
    void selectionnerLigne(int row);
    void selectionnerDerniere();
    // Both reports from the mode the box shows now.
    void rapportsParDefaut();
    // The stored band and mode of the station.
    void restaurerBandeEtMode();

private:
    // Every change of state, and of its caption.
    void changerEtat(EtatSaisie etat);
    void installer();
    void ouvrir(QWidget* w);
    void memoriserIndex(QComboBox* cb, const QString& key);
    QString fichierPrenoms() const { return ctx_.path(QStringLiteral("Liste_Prenom.txt")); }
    QString fichierListeDCF() const { return ctx_.path(QStringLiteral("Liste_DCF.csv")); }

    AppContext& ctx_;
    FormulaireSaisie& f_;
    ModeleLog* modele_;
    EtatSaisie etat_ = EtatSaisie::Nouveau;
    QString ligneSelectionnee_;
    bool dateAuto_ = true;
    // The rig's last band and mode, and whether this QSO's were chosen by hand.
    QString bandeRadio_, modeRadio_;
    bool bandeALaMain_ = false, modeALaMain_ = false;
    void appliquerBandeRadio();
    void appliquerModeRadio();
    QsoSignale dernierEnregistre_;
    // What the text fields held when the form was last reset or filled.
    QStringList textesRepos() const;
    void noterRepos() { repos_ = textesRepos(); }
    QStringList repos_;
    QString refSpot_;              // what the reference field gets when it opens empty
    ToucheChamps touches_{*this};  // last: it reads the members above
};
