#include "core/cluster/Spots.h"

#include <QStringList>
#include <algorithm>
#include <charconv>

#include "core/Bandes.h"
#include "core/journal/Carnet.h"
#include "core/journal/TextFile.h"

namespace Spots {

namespace {

bool blanc(char c) { return c == ' ' || c == '\t'; }
bool chiffre(char c) { return c >= '0' && c <= '9'; }
bool alnum(QChar c) { return c.isLetterOrNumber(); }
bool lettre(QChar c, char16_t majuscule) { return c.toUpper() == QChar(majuscule); }
bool chiffre(QChar c) { return c >= u'0' && c <= u'9'; }

// The next blank-delimited token from *pos, leaving *pos on the blank after it.
QByteArrayView jeton(QByteArrayView l, qsizetype* pos) {
    while (*pos < l.size() && blanc(l[*pos])) ++*pos;
    const qsizetype debut = *pos;
    while (*pos < l.size() && !blanc(l[*pos])) ++*pos;
    return l.sliced(debut, *pos - debut);
}

QByteArrayView rogner(QByteArrayView v) {
    qsizetype a = 0, b = v.size();
    // Nodes ring the bell and end lines with CR: control bytes go with the blanks.
    while (a < b && uchar(v[a]) <= ' ') ++a;
    while (b > a && uchar(v[b - 1]) <= ' ') --b;
    return v.sliced(a, b - a);
}

bool heureZ(QByteArrayView t) {
    if (t.size() != 5 || (t[4] != 'Z' && t[4] != 'z')) return false;
    for (int i = 0; i < 4; ++i)
        if (!chiffre(t[i])) return false;
    return (t[0] - '0') * 10 + (t[1] - '0') < 24 && t[2] < '6';
}

bool indicatifValide(QByteArrayView t) {
    if (t.isEmpty() || t.size() > 20) return false;
    for (char c : t)
        if (!chiffre(c) && !(c >= 'A' && c <= 'Z') && !(c >= 'a' && c <= 'z') && c != '/') return false;
    return true;
}

// A reference starting at i, and where it ends; empty when none starts there.
QString referenceA(QStringView t, qsizetype i, qsizetype* fin) {
    if (i > 0 && alnum(t[i - 1])) return {};
    if (t.size() - i < 6 || !lettre(t[i], u'D') || !lettre(t[i + 2], u'F')) return {};
    const bool basilique = lettre(t[i + 1], u'B');
    if (!basilique && !lettre(t[i + 1], u'C')) return {};
    qsizetype j = i + 3;
    if (t[j] == u'-') ++j;
    if (t.size() - j < (basilique ? 4 : 3)) return {};
    for (int k = 0; k < 3; ++k)
        if (!chiffre(t[j + k])) return {};
    const QStringView numero = t.sliced(j, 3);
    j += 3;
    if (basilique) {
        if (!lettre(t[j], u'B')) return {};
        ++j;
    }
    if (j < t.size() && alnum(t[j])) return {};
    *fin = j;
    QString r = basilique ? QStringLiteral("DBF-") : QStringLiteral("DCF-");
    r.append(numero);
    if (basilique) r.append(QLatin1Char('B'));
    return r;
}

}  // namespace

std::optional<Spot> lire(QByteArrayView ligne) {
    const QByteArrayView l = rogner(ligne);
    if (l.size() < 6 || qstrnicmp(l.data(), "DX de ", 6) != 0) return std::nullopt;
    qsizetype pos = 6;
    QByteArrayView spotteur = jeton(l, &pos);
    if (spotteur.size() < 2 || !spotteur.endsWith(':')) return std::nullopt;
    spotteur.chop(1);

    const QByteArrayView freq = jeton(l, &pos);
    double kHz = 0;
    const auto [fin, err] = std::from_chars(freq.data(), freq.data() + freq.size(), kHz);
    if (freq.isEmpty() || err != std::errc() || fin != freq.data() + freq.size() || !(kHz > 0) || kHz > 1e8)
        return std::nullopt;

    const QByteArrayView indicatif = jeton(l, &pos);
    if (!indicatifValide(indicatif)) return std::nullopt;

    // The time is the last word, or the one before a trailing locator.
    QByteArrayView reste = l.sliced(pos);
    qsizetype coupe = reste.size();
    while (coupe > 0 && !blanc(reste[coupe - 1])) --coupe;
    QByteArrayView heure = reste.sliced(coupe);
    if (!heureZ(heure)) {
        reste = rogner(reste.first(coupe));
        coupe = reste.size();
        while (coupe > 0 && !blanc(reste[coupe - 1])) --coupe;
        heure = reste.sliced(coupe);
        if (!heureZ(heure)) return std::nullopt;
    }

    Spot s;
    s.spotteur = QString::fromLatin1(spotteur).toUpper();
    s.kHz = kHz;
    s.indicatif = QString::fromLatin1(indicatif).toUpper();
    s.commentaire = QString::fromUtf8(rogner(reste.first(coupe)));
    s.heure = QString::fromLatin1(heure.first(2)) + QLatin1Char(':') + QString::fromLatin1(heure.sliced(2, 2));
    s.reference = referenceDans(s.commentaire);
    if (const Bandes::Bande* b = Bandes::parFrequence(kHz)) s.bande = int(b - Bandes::Table.data());
    return s;
}

QString referenceDans(QStringView texte) {
    for (qsizetype i = 0; i + 6 <= texte.size(); ++i) {
        qsizetype fin = 0;
        if (QString r = referenceA(texte, i, &fin); !r.isEmpty()) return r;
    }
    return {};
}

QString normaliser(QStringView texte) {
    texte = texte.trimmed();
    qsizetype fin = 0;
    QString r = referenceA(texte, 0, &fin);
    return fin == texte.size() ? r : QString();
}

QString texte(Marque m) {
    switch (m) {
        case Marque::Nouvelle: return QStringLiteral("Nouvelle");
        case Marque::NouvelleBande: return QStringLiteral("Nouvelle bande");
        case Marque::Contactee: return QStringLiteral("Contactée");
        case Marque::Confirmee: return QStringLiteral("Confirmée");
    }
    return {};
}

void IndexCarnet::construire(const Carnet& carnet) {
    refs_.clear();
    // Logs repeat a few hundred references: normalise each raw text once.
    QHash<QByteArray, QString> vues;
    for (qsizetype i = 0, n = carnet.nombre(); i < n; ++i) {
        const QByteArrayView brute = rogner(carnet.champ(i, LigneQso::Champ::Reference));
        if (brute.isEmpty()) continue;
        auto v = vues.constFind(brute.toByteArray());
        if (v == vues.cend()) v = vues.insert(brute.toByteArray(), normaliser(QString::fromLatin1(brute)));
        if (v->isEmpty()) continue;
        Travail& b = refs_[*v];
        const Bandes::Bande* bande =
            Bandes::parTexte(QString::fromLatin1(rogner(carnet.champ(i, LigneQso::Champ::Bande))));
        if (!bande) continue;
        const quint16 bit = quint16(1u << (bande - Bandes::Table.data()));
        b.contactees |= bit;
        if (LigneQso::estConfirmee(carnet.ligne(i))) b.confirmees |= bit;
    }
}

Marque IndexCarnet::marque(const QString& reference, int bande) const {
    const auto it = refs_.constFind(reference);
    if (it == refs_.cend()) return Marque::Nouvelle;
    const quint16 bit = bande >= 0 ? quint16(1u << bande) : 0;
    if (it->confirmees & bit) return Marque::Confirmee;
    if (it->contactees & bit) return Marque::Contactee;
    return Marque::NouvelleBande;
}

QHash<QString, Cathedrales::Cathedrale> chargerListe(const QString& fichier) {
    QHash<QString, Cathedrales::Cathedrale> liste;
    for (const QString& l : TextFile::readLines(fichier)) {
        const QStringList champs = l.split(QLatin1Char(';'));
        if (champs.size() < 5) continue;
        const QString k = Cathedrales::cle(champs[0]);
        if (!liste.contains(k)) liste.insert(k, Cathedrales::cathedrale(champs));
    }
    return liste;
}

Cathedrales::Cathedrale chercher(const QHash<QString, Cathedrales::Cathedrale>& liste, const QString& reference) {
    return liste.value(Cathedrales::cle(reference));
}

std::optional<Adresse> lireAdresse(const QString& texte, quint16 portDefaut) {
    const QString t = texte.trimmed();
    Adresse a;
    a.port = portDefaut;
    QString port;
    bool avecPort = false;
    if (t.startsWith(QLatin1Char('['))) {
        const qsizetype f = t.indexOf(QLatin1Char(']'));
        if (f < 0) return std::nullopt;
        a.hote = t.mid(1, f - 1);
        const QString apres = t.mid(f + 1);
        if (!apres.isEmpty()) {
            if (!apres.startsWith(QLatin1Char(':'))) return std::nullopt;
            port = apres.mid(1);
            avecPort = true;
        }
    } else if (t.count(QLatin1Char(':')) == 1) {
        a.hote = t.section(QLatin1Char(':'), 0, 0);
        port = t.section(QLatin1Char(':'), 1);
        avecPort = true;
    } else {
        a.hote = t;  // no port, or a bare IPv6 address
    }
    if (a.hote.isEmpty() || a.hote.contains(QLatin1Char(' '))) return std::nullopt;
    if (avecPort) {
        bool ok = false;
        const uint p = port.toUInt(&ok);
        if (!ok || p < 1 || p > 65535) return std::nullopt;
        a.port = quint16(p);
    }
    return a;
}

int attente(int essai) { return essai >= 6 ? 300 : 5 << qMax(essai, 0); }

QString ascii(QStringView texte) {
    // Compatibility decomposition splits "é" into "e" and its accent, and
    // turns no-break spaces and the ellipsis into plain characters.
    const QString d = texte.toString().normalized(QString::NormalizationForm_KD);
    QString r;
    r.reserve(d.size());
    for (const QChar c : d) {
        const char16_t u = c.unicode();
        if (u >= 0x20 && u < 0x7f) {
            r.append(c);
            continue;
        }
        switch (u) {
            case u'\t':
            case u'\n':
            case u'\r': r.append(QLatin1Char(' ')); break;
            case u'œ': r.append(QLatin1String("oe")); break;
            case u'Œ': r.append(QLatin1String("OE")); break;
            case u'æ': r.append(QLatin1String("ae")); break;
            case u'Æ': r.append(QLatin1String("AE")); break;
            case u'ß': r.append(QLatin1String("ss")); break;
            case u'ø': r.append(QLatin1Char('o')); break;
            case u'Ø': r.append(QLatin1Char('O')); break;
            case u'‘':
            case u'’':
            case u'‚':
            case u'′': r.append(QLatin1Char('\'')); break;
            case u'“':
            case u'”':
            case u'„':
            case u'«':
            case u'»': r.append(QLatin1Char('"')); break;
            case u'‐':
            case u'‑':
            case u'‒':
            case u'–':
            case u'—':
            case u'−': r.append(QLatin1Char('-')); break;
            default: break;  // accents, controls and the rest
        }
    }
    return r;
}

namespace {
// A comment as it leaves: ASCII, one line of single blanks, cut to the node's width.
QString plier(const QString& texte) { return ascii(texte).simplified().left(LongueurCommentaire).trimmed(); }
}  // namespace

QString commentaire(const QString& reference, const QString& nom) {
    return plier(nom.isEmpty() ? reference : reference + QLatin1Char(' ') + nom);
}

std::optional<double> lireKHz(QStringView texte) {
    QString t = texte.trimmed().toString();
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    const qsizetype point = t.indexOf(QLatin1Char('.'));
    const bool chiffres = std::all_of(t.cbegin(), t.cend(), [](QChar c) { return chiffre(c) || c == u'.'; });
    if (t.isEmpty() || !chiffres || point == 0 || point == t.size() - 1 || t.count(QLatin1Char('.')) > 1)
        return std::nullopt;
    bool ok = false;
    const double kHz = t.toDouble(&ok);
    return ok ? std::optional(kHz) : std::nullopt;
}

Envoi preparer(const Signalement& s) {
    auto refus = [](QString message) { return Envoi{{}, {}, std::move(message)}; };
    const QString kHzTexte = s.kHz.trimmed();
    if (kHzTexte.isEmpty()) return refus(QStringLiteral("Entrez la fréquence en kHz (par exemple 14025.0)"));
    const auto kHz = lireKHz(kHzTexte);
    if (!kHz) return refus(QStringLiteral("Fréquence invalide : %1 (en kHz, par exemple 14025.0)").arg(kHzTexte));
    const QString frequence = QString::number(*kHz, 'f', 1);
    if (!Bandes::parFrequence(*kHz))
        return refus(QStringLiteral("La fréquence %1 kHz n'est dans aucune bande").arg(frequence));

    const QString indicatif = s.indicatif.trimmed().toUpper();
    if (indicatif.isEmpty()) return refus(QStringLiteral("Entrez l'indicatif à signaler"));
    if (indicatif.size() > 12 || !indicatifValide(indicatif.toLatin1()))
        return refus(QStringLiteral("Indicatif invalide : %1 (lettres, chiffres et /)").arg(indicatif));

    const QString reference = normaliser(s.reference);
    if (s.reference.trimmed().isEmpty())
        return refus(QStringLiteral("Entrez la référence à signaler (par exemple DCF-018 ou DBF-012B)"));
    if (reference.isEmpty())
        return refus(
            QStringLiteral("Référence invalide : %1 (par exemple DCF-018 ou DBF-012B)").arg(s.reference.trimmed()));

    // Controls go with the folding: whatever is typed, one line leaves.
    const QString c = plier(s.commentaire);
    QString ligne = QStringLiteral("DX ") + frequence + QLatin1Char(' ') + indicatif;
    if (!c.isEmpty()) ligne += QLatin1Char(' ') + c;
    return {ligne.toLatin1(), indicatif + QStringLiteral(" sur ") + reference, {}};
}

Alerte alerte(const Spot& s, const QString& nom) {
    const bool basilique = s.reference.startsWith(QLatin1String("DBF"));
    const QString bande = s.bande >= 0 ? QString::fromLatin1(Bandes::Table[s.bande].texte)
                                       : QString::number(s.kHz, 'f', 1) + QStringLiteral(" kHz");
    QString texte = s.reference;
    if (!nom.isEmpty()) texte += QLatin1Char(' ') + nom;
    texte += QStringLiteral(" sur ") + bande + QStringLiteral(" : ") + s.indicatif;
    return {basilique ? QStringLiteral("Nouvelle basilique") : QStringLiteral("Nouvelle cathédrale"), texte};
}

}  // namespace Spots
