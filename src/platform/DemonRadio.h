#pragma once
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <functional>

class QProcess;

// The rigctld that Vitralog runs itself, listening on 127.0.0.1 at a free
// port. It is started again with growing waits when it ends on its own, and
// ended with the program (even one that crashes: the kernel ends it when its
// parent dies) or when the settings change.
class DemonRadio : public QObject {
    Q_OBJECT
public:
    explicit DemonRadio(QObject* parent = nullptr);
    ~DemonRadio() override;

    // rigctld's path, empty when it is not installed.
    static QString programme();

    // Starts rigctld; `arguments` receives the TCP port to listen on.
    void demarrer(std::function<QStringList(quint16 port)> arguments);
    void arreter();
    bool actif() const { return actif_; }
    // Milliseconds in one second of the waits before a restart; tests shorten time with it.
    void setUnite(int ms) { unite_ = ms; }

signals:
    // The daemon runs and will listen at `port` once it has opened the rig.
    void lance(quint16 port);
    // rigctld is not installed: nothing more is tried.
    void introuvable();

private:
    void lancer();
    void fini(QProcess* p);
    static quint16 portLibre();

    std::function<QStringList(quint16)> arguments_;
    QProcess* processus_ = nullptr;
    QTimer relance_;
    qint64 debut_ = 0;  // ms since the epoch when the current daemon started
    int essai_ = 0;
    int unite_ = 1000;
    bool actif_ = false;
};
