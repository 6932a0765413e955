#include "core/radio/Radio.h"

#include <QRegularExpression>
#include <array>
#include <cmath>

#include "core/Bandes.h"

namespace Radio {

namespace {

bool chiffres(QByteArrayView t) {
    if (t.isEmpty()) return false;
    for (char c : t)
        if (c < '0' || c > '9') return false;
    return true;
}

// "RPRT n": the code, or nothing when the line is not one.
std::optional<int> rprt(QByteArrayView l) {
    if (!l.startsWith("RPRT ")) return std::nullopt;
    QByteArrayView n = l.sliced(5);
    const bool negatif = n.startsWith('-');
    if (negatif) n = n.sliced(1);
    if (!chiffres(n) || n.size() > 6) return std::nullopt;
    const int v = n.toByteArray().toInt();
    return negatif ? -v : v;
}

// A frequency in Hz: digits, with a fraction as some releases print it; no
// sign, exponent or blank, and within what a receiver tunes.
std::optional<qint64> frequence(QByteArrayView l) {
    const qsizetype point = l.indexOf('.');
    const QByteArrayView entier = point < 0 ? l : l.first(point);
    if (!chiffres(entier) || entier.size() > 12) return std::nullopt;
    if (point >= 0 && !chiffres(l.sliced(point + 1))) return std::nullopt;
    return std::llround(l.toByteArray().toDouble());
}

// Hamlib's mode names are capitals and digits ("USB", "PKTUSB", "C4FM").
bool nomDeMode(QByteArrayView l) {
    if (l.size() > 16) return false;
    for (char c : l)
        if (!(c >= 'A' && c <= 'Z') && !(c >= '0' && c <= '9')) return false;
    return true;
}

Reponse refus(int code) {
    Reponse r;
    r.etat = code == 0 ? Reponse::Etat::Invalide : Reponse::Etat::Refusee;
    r.code = code;
    return r;
}

Reponse invalide() {
    Reponse r;
    r.etat = Reponse::Etat::Invalide;
    return r;
}

struct Segment {
    double kHzMin, kHzMax;
};
// Telegraphy-only segments of the IARU Region 1 band plans, [min, max).
constexpr std::array<Segment, 13> SegmentsCw = {{
    {1810, 1838},
    {3500, 3570},
    {5351.5, 5354},
    {7000, 7040},
    {10100, 10130},
    {14000, 14070},
    {18068, 18095},
    {21000, 21070},
    {24890, 24915},
    {28000, 28070},
    {50000, 50100},
    {144000, 144110},
    {432000, 432100},
}};

}  // namespace

Reponse lire(Commande c, const QByteArrayList& lignes) {
    if (lignes.isEmpty()) return {};
    const QByteArrayView premiere = lignes.first();
    if (const auto code = rprt(premiere)) {
        if (c == Commande::Reglage && *code == 0) {
            Reponse r;
            r.etat = Reponse::Etat::Faite;
            return r;
        }
        // A reading never answers "RPRT 0": that is a reply out of step.
        return refus(*code);
    }
    Reponse r;
    switch (c) {
        case Commande::Reglage: return invalide();
        case Commande::Frequence: {
            const auto hz = frequence(premiere);
            if (!hz) return invalide();
            r.hz = *hz;
            break;
        }
        case Commande::Mode: {
            if (!nomDeMode(premiere)) return invalide();
            if (lignes.size() < 2) return r;
            QByteArrayView pb = lignes[1];
            const bool negatif = pb.startsWith('-');
            if (negatif) pb = pb.sliced(1);
            if (!chiffres(pb) || pb.size() > 9) return invalide();
            r.mode = QString::fromLatin1(premiere);
            r.passband = pb.toByteArray().toInt() * (negatif ? -1 : 1);
            break;
        }
    }
    r.etat = Reponse::Etat::Faite;
    return r;
}

QString modeSaisie(QStringView m) {
    if (m == u"USB" || m == u"LSB") return QStringLiteral("SSB");
    if (m == u"CW" || m == u"CWR") return QStringLiteral("CW");
    if (m == u"FM" || m == u"FMN" || m == u"WFM") return QStringLiteral("FM");
    if (m == u"AM") return QStringLiteral("AM");
    return {};
}

const Bandes::Bande* bande(qint64 hz) { return Bandes::parFrequence(double(hz) / 1000.0); }

QString kHz(qint64 hz) {
    // Rounded in whole tenths, so that 14025050 Hz reads 14025.1 whatever the doubles say.
    const qint64 dixiemes = (hz + 50) / 100;
    return QStringLiteral("%1.%2").arg(dixiemes / 10).arg(dixiemes % 10);
}

QString texte(const Etat& e) {
    const QString radio = QStringLiteral("Radio : ");
    switch (e.statut) {
        case Statut::Aucune: return {};
        case Statut::Connexion: return radio + QStringLiteral("connexion…");
        case Statut::Repond: {
            QString t = radio + kHz(e.hz) + QStringLiteral(" kHz");
            if (!e.mode.isEmpty()) t += QLatin1Char(' ') + e.mode;
            if (!bande(e.hz)) t += QStringLiteral(" hors bande");
            return t;
        }
        case Statut::Muette: return radio + QStringLiteral("pas de réponse");
        case Statut::Deconnectee:
            return radio + QStringLiteral("non connectée, nouvelle tentative dans %1 s").arg(e.attente);
        case Statut::Introuvable:
            return radio + QStringLiteral("rigctld est introuvable : installez le paquet libhamlib-utils");
        case Statut::Invalide: return radio + QStringLiteral("réglage « %1 » invalide").arg(e.reglage);
    }
    return {};
}

int attente(int essai) { return essai >= 5 ? 30 : 1 << qMax(essai, 0); }

QString modeSpot(double kHz, QStringView commentaire) {
    static const QRegularExpression mot(QStringLiteral("[A-Za-z0-9]+"));
    for (auto it = mot.globalMatch(commentaire); it.hasNext();) {
        const QString m = it.next().captured().toUpper();
        if (m == u"CW" || m == u"FM" || m == u"USB" || m == u"LSB") return m;
        if (m == u"SSB") return kHz < 10000 ? QStringLiteral("LSB") : QStringLiteral("USB");
    }
    for (const Segment& s : SegmentsCw)
        if (kHz >= s.kHzMin && kHz < s.kHzMax) return QStringLiteral("CW");
    if (kHz > 0 && kHz < 10000) return QStringLiteral("LSB");
    if (kHz >= 10000 && kHz <= 30000) return QStringLiteral("USB");
    if (kHz >= 50000 && kHz <= 54000) return QStringLiteral("USB");
    if (kHz >= 144000 && kHz <= 148000) return kHz > 145200 ? QStringLiteral("FM") : QStringLiteral("USB");
    return {};
}

Configuration configuration(const QString& adresse, const QString& modele, const QString& port, const QString& vitesse,
                            const QString& intervalle) {
    Configuration c;
    bool ok = false;
    const int ms = intervalle.trimmed().toInt(&ok);
    c.intervalle = ok ? qBound(IntervalleMin, ms, IntervalleMax) : IntervalleDefaut;
    auto invalide = [&c](const QString& texte) {
        c.type = Configuration::Type::Invalide;
        c.invalide = texte.trimmed();
        return c;
    };
    if (!adresse.trimmed().isEmpty()) {
        const auto a = Spots::lireAdresse(adresse, PortRigctld);
        if (!a) return invalide(adresse);
        c.type = Configuration::Type::Adresse;
        c.adresse = *a;
        return c;
    }
    if (modele.trimmed().isEmpty()) return c;
    c.modele = modele.trimmed().toInt(&ok);
    if (!ok || c.modele <= 0) return invalide(modele);
    c.port = port.trimmed();
    if (!vitesse.trimmed().isEmpty()) {
        c.vitesse = vitesse.trimmed().toInt(&ok);
        if (!ok || c.vitesse <= 0) return invalide(vitesse);
    }
    c.type = Configuration::Type::Demon;
    return c;
}

QStringList argumentsDemon(const Configuration& c, quint16 portTcp) {
    QStringList a{QStringLiteral("-m"), QString::number(c.modele)};
    if (!c.port.isEmpty()) a << QStringLiteral("-r") << c.port;
    if (c.vitesse > 0) a << QStringLiteral("-s") << QString::number(c.vitesse);
    a << QStringLiteral("-T") << QStringLiteral("127.0.0.1") << QStringLiteral("-t") << QString::number(portTcp);
    return a;
}

QList<Modele> lireModeles(QByteArrayView sortie) {
    // Columns stand where the header names them; a maker or a model may hold blanks.
    QList<Modele> modeles;
    qsizetype colFabricant = -1, colNom = -1, colVersion = -1;
    for (const QByteArray& brute : sortie.toByteArray().split('\n')) {
        const QString l = QString::fromUtf8(brute).remove(QLatin1Char('\r'));
        if (colFabricant < 0) {
            if (l.contains(QLatin1String("Rig #"))) {
                colFabricant = l.indexOf(QLatin1String("Mfg"));
                colNom = l.indexOf(QLatin1String("Model"));
                colVersion = l.indexOf(QLatin1String("Version"));
                if (colFabricant < 0 || colNom <= colFabricant || colVersion <= colNom) colFabricant = -1;
            }
            continue;
        }
        bool ok = false;
        Modele m;
        m.numero = l.left(colFabricant).trimmed().toInt(&ok);
        if (!ok || m.numero <= 0) continue;
        m.fabricant = l.mid(colFabricant, colNom - colFabricant).trimmed();
        m.nom = l.mid(colNom, colVersion - colNom).trimmed();
        if (m.nom.isEmpty()) continue;
        modeles.append(m);
    }
    return modeles;
}

}  // namespace Radio
