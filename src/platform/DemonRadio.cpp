#include "platform/DemonRadio.h"

#include <sys/prctl.h>
#include <QDateTime>
#include <QHostAddress>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <csignal>
#include <utility>

#include "core/radio/Radio.h"

namespace {
constexpr int VieStable = 30;   // seconds: a daemon that ran this long starts the waits again when it ends
constexpr int DelaiFin = 2000;  // ms for a daemon asked to end before it is killed
}  // namespace

DemonRadio::DemonRadio(QObject* parent) : QObject(parent) {
    relance_.setSingleShot(true);
    connect(&relance_, &QTimer::timeout, this, &DemonRadio::lancer);
}

DemonRadio::~DemonRadio() {
    actif_ = false;
    // Killed rather than asked: the program is closing. The wait only reaps a process already gone.
    for (QProcess* p : findChildren<QProcess*>()) {
        p->disconnect(this);
        p->kill();
        p->waitForFinished(1000);
    }
}

QString DemonRadio::programme() { return QStandardPaths::findExecutable(QStringLiteral("rigctld")); }

quint16 DemonRadio::portLibre() {
    // The kernel picks it; rigctld takes it a moment later.
    QTcpServer s;
    s.listen(QHostAddress::LocalHost, 0);
    return s.serverPort();
}

void DemonRadio::demarrer(std::function<QStringList(quint16)> arguments) {
    arreter();
    arguments_ = std::move(arguments);
    actif_ = true;
    essai_ = 0;
    lancer();
}

void DemonRadio::arreter() {
    actif_ = false;
    relance_.stop();
    if (QProcess* p = std::exchange(processus_, nullptr)) {
        p->disconnect(this);
        connect(p, &QProcess::finished, p, &QObject::deleteLater);
        p->terminate();
        QTimer::singleShot(DelaiFin, p, [p] { p->kill(); });
    }
}

void DemonRadio::lancer() {
    if (!actif_) return;
    const QString exe = programme();
    if (exe.isEmpty()) {
        actif_ = false;
        emit introuvable();
        return;
    }
    const quint16 port = portLibre();
    auto* p = new QProcess(this);
    p->setProgram(exe);
    p->setArguments(arguments_(port));
    p->setStandardInputFile(QProcess::nullDevice());
    p->setStandardOutputFile(QProcess::nullDevice());
    p->setProcessChannelMode(QProcess::ForwardedErrorChannel);  // rigctld's complaints reach the terminal
    p->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    connect(p, &QProcess::started, this, [this, port] {
        debut_ = QDateTime::currentMSecsSinceEpoch();
        emit lance(port);
    });
    connect(p, &QProcess::finished, this, [this, p] { fini(p); });
    connect(p, &QProcess::errorOccurred, this, [this, p](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart) fini(p);
    });
    processus_ = p;
    p->start();
}

void DemonRadio::fini(QProcess* p) {
    p->deleteLater();
    if (p != processus_) return;
    processus_ = nullptr;
    if (!actif_) return;
    if (QDateTime::currentMSecsSinceEpoch() - debut_ > VieStable * 1000) essai_ = 0;
    relance_.start(Radio::attente(essai_++) * unite_);
}
