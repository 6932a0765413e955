#include "platform/LienRadio.h"

#include <QRegularExpression>
#include <QSignalBlocker>
#include <QTcpSocket>
#include <utility>

using Radio::Commande;
using Radio::Statut;

namespace {
constexpr int ReponseMax = 1;         // seconds a reply is waited for
constexpr int SilenceMax = 2;         // seconds without a reading before the rig is called silent
constexpr int DelaiConnexion = 3;     // seconds for an attempt to connect
constexpr int RelancePatience = 100;  // ms between attempts while a new daemon starts
constexpr int TamponSocket = 4096;    // bytes read at a time: a flood stays in the kernel
}  // namespace

LienRadio::LienRadio(QObject* parent) : QObject(parent), socket_(new QTcpSocket(this)) {
    socket_->setReadBufferSize(TamponSocket);
    lecture_.setInterval(Radio::IntervalleDefaut);
    for (QTimer* t : {&reponse_, &silence_, &connexion_}) t->setSingleShot(true);
    connect(&lecture_, &QTimer::timeout, this, &LienRadio::interroger);
    connect(&reponse_, &QTimer::timeout, this, &LienRadio::horsDePas);
    connect(&silence_, &QTimer::timeout, this, &LienRadio::silence);
    connect(&reprise_, &QTimer::timeout, this, &LienRadio::decompte);
    connect(&connexion_, &QTimer::timeout, this, [this] { perdu(true); });
    connect(socket_, &QTcpSocket::connected, this, &LienRadio::connecte);
    connect(socket_, &QTcpSocket::readyRead, this, &LienRadio::lire);
    connect(socket_, &QTcpSocket::disconnected, this, [this] { perdu(true); });
    connect(socket_, &QTcpSocket::errorOccurred, this, [this] { perdu(true); });
}

LienRadio::~LienRadio() {
    socket_->disconnect(this);
    socket_->abort();
}

void LienRadio::demarrer(const QString& hote, quint16 port, int patience) {
    hote_ = hote;
    port_ = port;
    patience_ = patience;
    actif_ = true;
    essai_ = 0;
    reprise_.stop();
    depart_.start();
    changer(Radio::etat(Statut::Connexion));
    silence_.start(silenceMax());
    lecture_.start();
    connecter();
}

void LienRadio::arreter() {
    actif_ = false;
    for (QTimer* t : {&lecture_, &silence_, &reprise_, &connexion_}) t->stop();
    couper();
    changer({});
}

int LienRadio::silenceMax() const {
    // Never shorter than the interval and a reply: a slow reading rate alone must not look like silence.
    return qMax(SilenceMax * unite_, lecture_.interval() + ReponseMax * unite_);
}

void LienRadio::setIntervalle(int ms) { lecture_.setInterval(qBound(Radio::IntervalleMin, ms, Radio::IntervalleMax)); }

bool LienRadio::regler(qint64 hz, const QString& mode) {
    static const QRegularExpression nomDeMode(QStringLiteral("^[A-Z0-9]{1,16}$"));
    if (hz <= 0 || hz > 999'999'999'999 || (!mode.isEmpty() && !nomDeMode.match(mode).hasMatch())) return false;
    if (socket_->state() != QAbstractSocket::ConnectedState) return false;
    // Readings not yet sent give way to the tuning; one follows it so that the new frequency shows at once.
    file_.clear();
    file_.append({Commande::Reglage, "F " + QByteArray::number(hz)});
    if (!mode.isEmpty()) file_.append({Commande::Reglage, "M " + mode.toLatin1() + " -1"});
    file_.append({Commande::Frequence, "f"});
    file_.append({Commande::Mode, "m"});
    envoyerSuivant();
    return true;
}

void LienRadio::changer(Radio::Etat e) {
    if (e == etat_) return;
    etat_ = std::move(e);
    emit etatChange(etat_);
}

void LienRadio::couper() {
    {
        // Aborting a live connection reports a loss: this one is ours.
        const QSignalBlocker bloque(socket_);
        socket_->abort();
    }
    file_.clear();
    enCours_.reset();
    lignes_.clear();
    tampon_.clear();
    reponse_.stop();
}

void LienRadio::connecter() {
    couper();
    connexion_.start(DelaiConnexion * unite_);
    socket_->connectToHost(hote_, port_);
}

void LienRadio::connecte() {
    connexion_.stop();
    patience_ = 0;
    // A daemon that accepts but never reads is silent from now on, even after a wait.
    if (!silence_.isActive() && etat_.statut != Statut::Muette) silence_.start(silenceMax());
    interroger();
}

void LienRadio::perdu(bool refus) {
    // A closed connection reports both an error and the disconnection: act once.
    if (!actif_ || reprise_.isActive()) return;
    connexion_.stop();
    const bool debut = refus && patience_ > 0 && depart_.elapsed() < patience_;
    refus_ = refus;
    restant_ = debut ? 0 : Radio::attente(essai_++);
    reprise_.start(debut ? RelancePatience : unite_);
    couper();
    if (refus && !debut) changer(Radio::etat(Statut::Deconnectee, restant_));
}

void LienRadio::horsDePas() { perdu(false); }

void LienRadio::decompte() {
    if (--restant_ > 0) {
        if (refus_) changer(Radio::etat(Statut::Deconnectee, restant_));
        return;
    }
    reprise_.stop();
    if (etat_.statut == Statut::Deconnectee) changer(Radio::etat(Statut::Connexion));
    connecter();
}

void LienRadio::silence() {
    if (etat_.statut != Statut::Deconnectee) changer(Radio::etat(Statut::Muette));
}

void LienRadio::interroger() {
    if (socket_->state() != QAbstractSocket::ConnectedState || enCours_ || !file_.isEmpty()) return;
    file_.append({Commande::Frequence, "f"});
    file_.append({Commande::Mode, "m"});
    envoyerSuivant();
}

void LienRadio::envoyerSuivant() {
    if (enCours_ || file_.isEmpty() || socket_->state() != QAbstractSocket::ConnectedState) return;
    const Envoi e = file_.takeFirst();
    enCours_ = e.commande;
    lignes_.clear();
    socket_->write(e.texte + '\n');
    reponse_.start(ReponseMax * unite_);
}

void LienRadio::lire() {
    const QByteArray d = socket_->readAll();
    qsizetype debut = 0;
    for (qsizetype nl; (nl = d.indexOf('\n', debut)) >= 0; debut = nl + 1) {
        const QByteArrayView morceau = QByteArrayView(d).sliced(debut, nl - debut);
        if (tampon_.size() + morceau.size() > Radio::LigneMax) return horsDePas();
        tampon_ += morceau;
        if (tampon_.endsWith('\r')) tampon_.chop(1);
        if (!prendreLigne(std::exchange(tampon_, {}))) return;
    }
    // A line longer than any reply is not one: it is never kept.
    const QByteArrayView reste = QByteArrayView(d).sliced(debut);
    if (tampon_.size() + reste.size() > Radio::LigneMax) return horsDePas();
    tampon_ += reste;
}

bool LienRadio::prendreLigne(const QByteArray& ligne) {
    if (!enCours_) {
        horsDePas();  // a line nobody asked for
        return false;
    }
    lignes_.append(ligne);
    const Radio::Reponse r = Radio::lire(*enCours_, lignes_);
    if (r.etat == Radio::Reponse::Etat::Incomplete) return true;
    if (r.etat == Radio::Reponse::Etat::Invalide) {
        horsDePas();
        return false;
    }
    const Commande c = *std::exchange(enCours_, std::nullopt);
    reponse_.stop();
    traiter(c, r);
    // A receiver of the reading may have stopped the link.
    if (!actif_ || socket_->state() != QAbstractSocket::ConnectedState) return false;
    envoyerSuivant();
    return true;
}

void LienRadio::traiter(Commande c, const Radio::Reponse& r) {
    // A refusal ("RPRT -5" from a rig switched off) keeps the daemon in step but reads nothing.
    if (r.etat != Radio::Reponse::Etat::Faite) return;
    if (c == Commande::Frequence && r.hz > 0) {
        silence_.start(silenceMax());
        essai_ = 0;
        const bool nouvelle = etat_.statut != Statut::Repond || etat_.hz != r.hz;
        Radio::Etat e = etat_.statut == Statut::Repond ? etat_ : Radio::etat(Statut::Repond);
        e.hz = r.hz;
        changer(e);
        if (nouvelle) emit frequenceLue(r.hz);
    } else if (c == Commande::Mode && etat_.statut == Statut::Repond && r.mode != etat_.mode) {
        Radio::Etat e = etat_;
        e.mode = r.mode;
        changer(e);
        emit modeLu(r.mode);
    }
}
