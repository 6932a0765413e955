#pragma once
#include <QDialog>
#include <functional>

#include "core/cluster/Spots.h"

class QLineEdit;
class QPushButton;

// The small dialog that sends a spot to the DX-cluster node: the frequency in
// kHz, the callsign, the reference and the comment, prefilled by its opener.
class SignalerSpot : public QDialog {
    Q_OBJECT
public:
    // Answers true when the spot left: the dialog then closes. A refusal,
    // told by the sender, leaves it open for a correction.
    using Envoyer = std::function<bool(const Spots::Signalement&)>;
    // The cathedral's name of a reference, empty when the list has none.
    using NomDe = std::function<QString(const QString& reference)>;

    SignalerSpot(const Spots::Signalement& prefill, NomDe nomDe, Envoyer envoyer, QWidget* parent = nullptr);

    // The rig's frequency, where a radio is linked.
    void setFrequence(double kHz);
    Spots::Signalement signalement() const;

private:
    void referenceTapee(const QString& texte);
    void envoyerSpot();

    NomDe nomDe;
    Envoyer envoyer;
    QLineEdit* champFrequence;
    QLineEdit* champIndicatif;
    QLineEdit* champReference;
    QLineEdit* champCommentaire;
    QPushButton* boutonEnvoyer;
    QPushButton* boutonAnnuler;
};
