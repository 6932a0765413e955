#pragma once
#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

class QTcpSocket;

// A telnet link to a DX-cluster node that keeps itself up: it logs in with
// the callsign, hands out complete lines, and after any loss reconnects with
// growing waits. It sends nothing but the callsign, the refusals telnet
// option requests require and the operator's own lines: what a node sends
// is only ever read.
class LienCluster : public QObject {
    Q_OBJECT
public:
    static constexpr int LongueurMax = 1000;  // a longer line is dropped whole

    explicit LienCluster(QObject* parent = nullptr);
    ~LienCluster() override;

    void demarrer(const QString& hote, quint16 port, const QString& indicatif);
    void arreter();
    QString etat() const { return etat_; }
    bool connecte() const;
    // Sends one line of the operator's once logged in; false when not
    // connected or when the line holds a control or non-ASCII byte.
    bool envoyer(const QByteArray& ligne);

    // Milliseconds in one second of the waits; tests shorten time with it.
    void setUnite(int ms) { unite_ = ms; }
    // Silence after which the connection is taken as dead, in units.
    void setSilenceMax(int secondes) { silenceMax_ = secondes; }

signals:
    void ligneRecue(const QByteArray& ligne);
    void etatChange(const QString& etat);

private:
    void connecter();
    void perdu();
    void lire();
    void telnet(QByteArray& donnees);
    void invite();
    void envoyerIndicatif();
    void changerEtat(const QString& e);
    void decompte();
    QString nomNoeud() const;

    QTcpSocket* socket_;
    QTimer reprise_;    // ticks each second until the next attempt
    QTimer connexion_;  // an attempt that does not connect in time
    QTimer login_;      // a node that sends no prompt gets the callsign anyway
    QTimer silence_;
    QString hote_, indicatif_;
    quint16 port_ = 0;
    QByteArray tampon_;
    QByteArray iac_;     // an option request split across two reads
    bool trop_ = false;  // dropping the rest of an over-long line
    bool loginEnvoye_ = false;
    bool actif_ = false;
    int essai_ = 0;
    int restant_ = 0;
    int unite_ = 1000;
    int silenceMax_ = 900;
    QString etat_;
};
