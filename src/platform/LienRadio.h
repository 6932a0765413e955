#pragma once
#include <QByteArrayList>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>
#include <optional>

#include "core/radio/Radio.h"

class QTcpSocket;

// A client of rigctld's text protocol that keeps itself up. It reads the
// frequency and the mode at each interval, one command in flight at a time,
// and never waits on the socket: a daemon that is silent, slow or hostile
// only changes the state it reports. After a refusal or a loss it reconnects
// on its own with growing waits; a reply late by a second, or one out of
// step, costs the connection, so that no stale line is ever read as the
// answer to a later command.
class LienRadio : public QObject {
    Q_OBJECT
public:
    explicit LienRadio(QObject* parent = nullptr);
    ~LienRadio() override;

    // `patience` ms for a daemon just started to listen: until then a refused
    // connection is tried again at once, without reporting a loss.
    void demarrer(const QString& hote, quint16 port, int patience = 0);
    void arreter();
    // Milliseconds between two readings, brought into 200-5000.
    void setIntervalle(int ms);
    // Milliseconds in one second of the waits (reply, silence, reconnection); tests shorten time with it.
    void setUnite(int ms) { unite_ = ms; }

    // Tunes the rig to `hz` and, when given, to the rig mode `mode` keeping
    // its passband. False when the link is not connected or the values would
    // not make a command.
    bool regler(qint64 hz, const QString& mode);

    const Radio::Etat& etat() const { return etat_; }

signals:
    void etatChange(const Radio::Etat& etat);
    // A new reading, emitted when it differs from the last one.
    void frequenceLue(qint64 hz);
    void modeLu(const QString& mode);

private:
    struct Envoi {
        Radio::Commande commande;
        QByteArray texte;
    };

    void couper();
    void connecter();
    void connecte();
    void perdu(bool refus);
    void horsDePas();
    void decompte();
    void interroger();
    void envoyerSuivant();
    void lire();
    bool prendreLigne(const QByteArray& ligne);
    void traiter(Radio::Commande c, const Radio::Reponse& r);
    void silence();
    int silenceMax() const;
    void changer(Radio::Etat e);

    QTcpSocket* socket_;
    QTimer lecture_;    // the reading interval
    QTimer reponse_;    // the command in flight waits this long at most
    QTimer silence_;    // no reading for this long: the rig does not answer
    QTimer reprise_;    // ticks each second until the next attempt
    QTimer connexion_;  // an attempt that does not connect in time
    QElapsedTimer depart_;
    QString hote_;
    quint16 port_ = 0;
    int patience_ = 0;
    QList<Envoi> file_;
    std::optional<Radio::Commande> enCours_;
    QByteArrayList lignes_;  // of the reply in flight
    QByteArray tampon_;      // a line not yet ended
    bool actif_ = false;
    bool refus_ = false;  // the wait under way follows a refusal or a loss, not a silence
    int essai_ = 0;
    int restant_ = 0;
    int unite_ = 1000;
    Radio::Etat etat_;
};
