#pragma once
#include <QObject>

struct AppContext;
class PosteRadio;
class QLabel;
class QMainWindow;
class Saisie;
class SpotsDCF;

// The rig link and the spots window, wired to the entry: the link's state in
// the main window's status bar, a spot that tunes the rig and fills the form,
// the QSO being typed announced as a spot.
class RadioEtSpots : public QObject {
    Q_OBJECT
public:
    // `sousLeFormulaire` is where a spots window goes when the screen has no
    // room beside the main window.
    RadioEtSpots(AppContext& ctx, Saisie& saisie, QMainWindow& fenetre, QWidget& sousLeFormulaire);

    // Connects to the rig the settings name, or to none.
    void appliquerReglages();
    // The "Radio…" dialog; its settings applied when accepted.
    void reglerRadio();
    // The spots window, told how to tune the rig and what to announce.
    SpotsDCF* ouvrirSpots();
    // The QSO being typed, offered to the cluster at the rig's frequency.
    void signalerQso();

private:
    // A new spots window beside the main one, or below the form: never over it.
    void placerSpots(QWidget* w);
    void montrerEtat(const QString& texte);

    AppContext& ctx_;
    Saisie& saisie_;
    QMainWindow& fenetre_;
    QWidget& sousLeFormulaire_;
    PosteRadio* poste_ = nullptr;
    QLabel* etat_ = nullptr;  // hidden without a radio
};
