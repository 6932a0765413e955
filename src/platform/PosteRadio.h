#pragma once
#include <QObject>
#include <QString>

#include "core/radio/Radio.h"

class DemonRadio;
class LienRadio;
class SettingsStore;

// The rig as the settings set it up: no radio, a rigctld at an address, or
// one that Vitralog runs for a model. It tells the status text, the band and
// the entry mode the rig is on, and tunes the rig to a spot.
class PosteRadio : public QObject {
    Q_OBJECT
public:
    explicit PosteRadio(SettingsStore& settings, QObject* parent = nullptr);
    ~PosteRadio() override;

    // Reads the settings ("Setup " of "DCF") and follows them; unchanged
    // settings leave the link as it is.
    void appliquerReglages();

    // The status bar's text, empty when no radio is set.
    QString texte() const { return Radio::texte(etat()); }
    Radio::Etat etat() const;

    // Sends the rig to a spot: its frequency and the mode its comment or the
    // band plan gives. False without a radio answering, the rig untouched.
    bool reglerSpot(double kHz, const QString& commentaire);

    LienRadio& lien() { return *lien_; }
    DemonRadio& demon() { return *demon_; }

signals:
    void texteChange(const QString& texte);
    // The rig moved to another band of the table, or to another entry mode.
    void bandeLue(const QString& bande);
    void modeLu(const QString& mode);

private:
    void etatDuLien(const Radio::Etat& e);
    void annoncer();

    SettingsStore& settings_;
    LienRadio* lien_;
    DemonRadio* demon_;
    Radio::Configuration config_;
    bool introuvable_ = false;
    QString texte_;
    QString bande_, mode_;  // last told
};
