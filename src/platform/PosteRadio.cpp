#include "platform/PosteRadio.h"

#include <cmath>

#include "core/Bandes.h"
#include "core/Reglages.h"
#include "platform/DemonRadio.h"
#include "platform/LienRadio.h"
#include "platform/SettingsStore.h"

namespace {
// ms for a daemon just started to open the rig and listen; a missing serial device takes about 2 s.
constexpr int PatienceDemon = 5000;
}  // namespace

PosteRadio::PosteRadio(SettingsStore& settings, QObject* parent)
    : QObject(parent), settings_(settings), lien_(new LienRadio(this)), demon_(new DemonRadio(this)) {
    connect(lien_, &LienRadio::etatChange, this, &PosteRadio::etatDuLien);
    connect(lien_, &LienRadio::frequenceLue, this, [this](qint64 hz) {
        const Bandes::Bande* b = Radio::bande(hz);
        if (!b || bande_ == QLatin1String(b->texte)) return;
        bande_ = QString::fromLatin1(b->texte);
        emit bandeLue(bande_);
    });
    connect(lien_, &LienRadio::modeLu, this, [this](const QString& modeRig) {
        const QString m = Radio::modeSaisie(modeRig);
        if (m.isEmpty() || m == mode_) return;
        mode_ = m;
        emit modeLu(m);
    });
    connect(demon_, &DemonRadio::lance, this,
            [this](quint16 port) { lien_->demarrer(QStringLiteral("127.0.0.1"), port, PatienceDemon); });
    connect(demon_, &DemonRadio::introuvable, this, [this] {
        introuvable_ = true;
        lien_->arreter();
        annoncer();
    });
}

PosteRadio::~PosteRadio() = default;

void PosteRadio::appliquerReglages() {
    auto lire = [this](const QString& cle) { return settings_.read(Reglages::App, Reglages::Global, cle, QString()); };
    const Radio::Configuration c =
        Radio::configuration(lire(Reglages::RadioAdresse), lire(Reglages::RadioModele), lire(Reglages::RadioPort),
                             lire(Reglages::RadioVitesse), lire(Reglages::RadioIntervalle));
    lien_->setIntervalle(c.intervalle);
    Radio::Configuration avant = config_;
    avant.intervalle = c.intervalle;
    // The same rig keeps its link and its daemon; rigctld installed since is tried again.
    if (c == avant && !introuvable_) return;
    config_ = c;
    introuvable_ = false;
    demon_->arreter();
    lien_->arreter();
    if (c.type == Radio::Configuration::Type::Adresse) lien_->demarrer(c.adresse.hote, c.adresse.port);
    if (c.type == Radio::Configuration::Type::Demon)
        demon_->demarrer([c](quint16 port) { return Radio::argumentsDemon(c, port); });
    annoncer();
}

Radio::Etat PosteRadio::etat() const {
    switch (config_.type) {
        case Radio::Configuration::Type::Aucune: return {};
        case Radio::Configuration::Type::Invalide: {
            Radio::Etat e = Radio::etat(Radio::Statut::Invalide);
            e.reglage = config_.invalide;
            return e;
        }
        case Radio::Configuration::Type::Demon:
            if (introuvable_) return Radio::etat(Radio::Statut::Introuvable);
            break;
        case Radio::Configuration::Type::Adresse: break;
    }
    return lien_->etat();
}

bool PosteRadio::reglerSpot(double kHz, const QString& commentaire) {
    if (config_.type != Radio::Configuration::Type::Adresse && config_.type != Radio::Configuration::Type::Demon)
        return false;
    return lien_->regler(std::llround(kHz * 1000), Radio::modeSpot(kHz, commentaire));
}

void PosteRadio::etatDuLien(const Radio::Etat& e) {
    // Back from a loss or a silence, the rig's band and mode are told again.
    if (e.statut != Radio::Statut::Repond) {
        bande_.clear();
        mode_.clear();
    }
    annoncer();
}

void PosteRadio::annoncer() {
    const QString t = texte();
    if (t == texte_) return;
    texte_ = t;
    emit texteChange(t);
}
