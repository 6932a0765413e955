#include "platform/LienCluster.h"

#include <QTcpSocket>

#include "core/cluster/Spots.h"

namespace {
constexpr uchar IAC = 255, DONT = 254, DO = 253, WONT = 252, WILL = 251, SB = 250, SE = 240;
constexpr int DelaiConnexion = 20;  // seconds for an attempt to connect
constexpr int DelaiLogin = 3;       // seconds of data without a prompt before logging in

bool estInvite(QByteArrayView texte) {
    const QByteArray t = texte.toByteArray().toLower();
    return t.contains("login:") || t.contains("call:") || t.contains("please enter your call");
}
}  // namespace

LienCluster::LienCluster(QObject* parent) : QObject(parent), socket_(new QTcpSocket(this)) {
    reprise_.setInterval(unite_);
    for (QTimer* t : {&connexion_, &login_, &silence_}) t->setSingleShot(true);
    connect(&reprise_, &QTimer::timeout, this, &LienCluster::decompte);
    connect(&connexion_, &QTimer::timeout, this, &LienCluster::perdu);
    connect(&silence_, &QTimer::timeout, this, &LienCluster::perdu);
    connect(&login_, &QTimer::timeout, this, &LienCluster::envoyerIndicatif);
    connect(socket_, &QTcpSocket::connected, this, [this] {
        connexion_.stop();
        socket_->setSocketOption(QAbstractSocket::KeepAliveOption, 1);
        silence_.start(silenceMax_ * unite_);
        changerEtat(QStringLiteral("Connecté à ") + nomNoeud());
    });
    connect(socket_, &QTcpSocket::readyRead, this, &LienCluster::lire);
    connect(socket_, &QTcpSocket::disconnected, this, &LienCluster::perdu);
    connect(socket_, &QTcpSocket::errorOccurred, this, &LienCluster::perdu);
}

LienCluster::~LienCluster() {
    socket_->disconnect(this);
    socket_->abort();
}

bool LienCluster::connecte() const { return socket_->state() == QAbstractSocket::ConnectedState; }

bool LienCluster::envoyer(const QByteArray& ligne) {
    if (!connecte() || !loginEnvoye_ || ligne.isEmpty()) return false;
    // One line and one only, in ASCII: a break would start a second command
    // and byte 255 a telnet one.
    for (char c : ligne)
        if (uchar(c) < ' ' || uchar(c) >= 127) return false;
    socket_->write(ligne + "\r\n");
    return true;
}

void LienCluster::demarrer(const QString& hote, quint16 port, const QString& indicatif) {
    hote_ = hote;
    port_ = port;
    indicatif_ = indicatif;
    actif_ = true;
    essai_ = 0;
    reprise_.stop();
    connecter();
}

void LienCluster::arreter() {
    actif_ = false;
    for (QTimer* t : {&reprise_, &connexion_, &login_, &silence_}) t->stop();
    socket_->abort();
    changerEtat(QStringLiteral("Déconnecté"));
}

QString LienCluster::nomNoeud() const {
    const QString h = hote_.contains(QLatin1Char(':')) ? QLatin1Char('[') + hote_ + QLatin1Char(']') : hote_;
    return h + QLatin1Char(':') + QString::number(port_);
}

void LienCluster::changerEtat(const QString& e) {
    if (e == etat_) return;
    etat_ = e;
    emit etatChange(e);
}

void LienCluster::connecter() {
    socket_->abort();
    tampon_.clear();
    iac_.clear();
    trop_ = false;
    loginEnvoye_ = false;
    changerEtat(QStringLiteral("Connexion à ") + nomNoeud() + QStringLiteral("…"));
    connexion_.start(DelaiConnexion * unite_);
    socket_->connectToHost(hote_, port_);
}

void LienCluster::perdu() {
    // A closed connection reports both an error and the disconnection: act once.
    if (!actif_ || reprise_.isActive()) return;
    for (QTimer* t : {&connexion_, &login_, &silence_}) t->stop();
    restant_ = Spots::attente(essai_++);
    reprise_.setInterval(unite_);
    reprise_.start();
    changerEtat(QStringLiteral("Déconnecté, nouvelle tentative dans %1 s").arg(restant_));
    socket_->abort();
}

void LienCluster::decompte() {
    if (--restant_ > 0) {
        changerEtat(QStringLiteral("Déconnecté, nouvelle tentative dans %1 s").arg(restant_));
        return;
    }
    reprise_.stop();
    connecter();
}

void LienCluster::lire() {
    QByteArray d = socket_->readAll();
    if (d.isEmpty()) return;
    silence_.start(silenceMax_ * unite_);
    if (!loginEnvoye_ && !login_.isActive()) login_.start(DelaiLogin * unite_);
    telnet(d);
    qsizetype debut = 0;
    for (qsizetype nl; (nl = d.indexOf('\n', debut)) >= 0; debut = nl + 1) {
        const QByteArrayView morceau = QByteArrayView(d).sliced(debut, nl - debut);
        if (!trop_ && tampon_.size() + morceau.size() <= LongueurMax) {
            tampon_ += morceau;
            if (tampon_.endsWith('\r')) tampon_.chop(1);
            if (!loginEnvoye_ && estInvite(tampon_))
                envoyerIndicatif();
            else if (loginEnvoye_)
                essai_ = 0;  // the node talks to us: start the waits again
            const QByteArray ligne = tampon_;
            tampon_.clear();
            emit ligneRecue(ligne);
            if (!actif_ || socket_->state() != QAbstractSocket::ConnectedState) return;
        }
        tampon_.clear();
        trop_ = false;
    }
    const QByteArrayView reste = QByteArrayView(d).sliced(debut);
    if (trop_) return;
    if (tampon_.size() + reste.size() > LongueurMax) {
        tampon_.clear();
        trop_ = true;
        return;
    }
    tampon_ += reste;
    // A prompt stays on its line, waiting for the answer; what follows the
    // answer starts a new line.
    if (!loginEnvoye_ && estInvite(tampon_)) {
        envoyerIndicatif();
        tampon_.clear();
    }
}

void LienCluster::telnet(QByteArray& d) {
    if (!iac_.isEmpty()) {
        d.prepend(iac_);
        iac_.clear();
    }
    if (!d.contains(char(IAC))) return;
    QByteArray texte, reponse;
    texte.reserve(d.size());
    const qsizetype n = d.size();
    for (qsizetype i = 0; i < n;) {
        const uchar c = uchar(d[i]);
        if (c != IAC) {
            texte += char(c);
            ++i;
            continue;
        }
        if (i + 1 >= n) {
            iac_ = d.mid(i);
            break;
        }
        const uchar cmd = uchar(d[i + 1]);
        if (cmd == IAC) {
            texte += char(IAC);
            i += 2;
        } else if (cmd >= WILL && cmd <= DONT) {
            if (i + 2 >= n) {
                iac_ = d.mid(i);
                break;
            }
            // Refuse every option: the node then speaks plain lines.
            if (cmd == DO || cmd == WILL) {
                reponse += char(IAC);
                reponse += char(cmd == DO ? WONT : DONT);
                reponse += d[i + 2];
            }
            i += 3;
        } else if (cmd == SB) {
            const qsizetype fin = d.indexOf(QByteArrayView("\xff\xf0", 2), i + 2);
            if (fin < 0) {
                if (n - i <= LongueurMax) iac_ = d.mid(i);
                break;
            }
            i = fin + 2;
        } else {
            i += 2;
        }
    }
    d = texte;
    if (!reponse.isEmpty()) socket_->write(reponse);
}

void LienCluster::envoyerIndicatif() {
    if (loginEnvoye_ || !connecte()) return;
    loginEnvoye_ = true;
    login_.stop();
    socket_->write(indicatif_.toLatin1() + "\r\n");
}
