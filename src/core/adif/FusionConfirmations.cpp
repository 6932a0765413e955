#include "core/adif/FusionConfirmations.h"

#include <QDate>
#include <QHash>
#include <QSet>
#include <cstring>
#include <optional>
#include <vector>

#include "core/Bandes.h"
#include "core/adif/ImportAdif.h"
#include "core/adif/LecteurAdif.h"
#include "core/journal/LigneQso.h"
#include "core/journal/TextFile.h"

namespace FusionConfirmations {

namespace {

using LigneQso::Champ;
using LigneQso::sansBlancs;

// A callsign (at most the log's width) and a band in 16 bytes: the index is
// built and searched without an allocation per line or record.
struct Cle {
    quint64 a = 0, b = 0;
    friend bool operator==(const Cle&, const Cle&) = default;
};
size_t qHash(const Cle& k, size_t seed) { return qHashMulti(seed, k.a, k.b); }
constexpr qsizetype LargeurIndicatif = LigneQso::largeur(Champ::Indicatif);
static_assert(LargeurIndicatif < 16);

// ASCII only, as callsigns, modes and references are written.
char majuscule(char c) { return c >= 'a' && c <= 'z' ? char(c - ('a' - 'A')) : c; }

bool finitPar(QByteArrayView v, char suffixe) {
    return v.size() > 2 && v[v.size() - 2] == '/' && majuscule(v.back()) == suffixe;
}

// Capitals, without a trailing /P or /M: a portable or mobile suffix is
// written by one side and not by the other. None for a callsign the log
// cannot hold.
std::optional<Cle> cle(QByteArrayView indicatif, const Bandes::Bande* b) {
    indicatif = sansBlancs(indicatif);
    if (finitPar(indicatif, 'P') || finitPar(indicatif, 'M')) indicatif.chop(2);
    if (indicatif.isEmpty() || indicatif.size() > LargeurIndicatif) return std::nullopt;
    char octets[16] = {};
    for (qsizetype k = 0; k < indicatif.size(); ++k) octets[k] = majuscule(indicatif[k]);
    octets[15] = char(1 + (b - Bandes::Table.data()));
    Cle k;
    std::memcpy(&k.a, octets, 8);
    std::memcpy(&k.b, octets + 8, 8);
    return k;
}

const Bandes::Bande* bandeDuLog(QByteArrayView texte) {
    texte = sansBlancs(texte);
    for (const Bandes::Bande& b : Bandes::Table)
        if (texte == QByteArrayView(b.texte)) return &b;
    return nullptr;
}

// SSB, its sidebands and the PHONE group are one mode; others as written,
// in any case.
QByteArrayView groupeMode(QByteArrayView mode) {
    mode = sansBlancs(mode);
    for (const char* ssb : {"SSB", "USB", "LSB", "PHONE"})
        if (qstrnicmp(mode.data(), mode.size(), ssb, qsizetype(std::strlen(ssb))) == 0) return "SSB";
    return mode;
}
bool memeMode(QByteArrayView a, QByteArrayView b) {
    a = groupeMode(a);
    b = groupeMode(b);
    return qstrnicmp(a.data(), a.size(), b.data(), b.size()) == 0;
}

// A reference (8 characters at most, as the log holds it) in capitals, as
// one number; 0 for none.
quint64 numeroReference(QByteArrayView r) {
    r = sansBlancs(r);
    char octets[8] = {};
    for (qsizetype k = 0; k < std::min<qsizetype>(r.size(), 8); ++k) octets[k] = majuscule(r[k]);
    quint64 n;
    std::memcpy(&n, octets, 8);
    return n;
}
quint64 referenceDuLog(QByteArrayView ligne) { return numeroReference(LigneQso::champ(ligne, Champ::Reference)); }
static_assert(LigneQso::largeur(Champ::Reference) == 8);

void deuxChiffres(char* d, int v) {
    d[0] = char('0' + v / 10 % 10);
    d[1] = char('0' + v % 10);
}

// A moment (minutes from the start of the Julian calendar) as the log would
// read it if written in its columns: its sortable number, two-digit year
// and all, so that a record and a line compare as the log orders them.
std::optional<qint64> commeLeLog(qint64 minutes) {
    const QDate d = QDate::fromJulianDay(minutes / 1440);
    const int m = int(minutes % 1440);
    char l[LigneQso::Longueur];
    std::memset(l, ' ', sizeof l);
    char* date = l + LigneQso::position(Champ::Date).stockee;
    deuxChiffres(date, d.day());
    date[2] = '/';
    deuxChiffres(date + 3, d.month());
    date[5] = '/';
    deuxChiffres(date + 6, d.year() % 100);
    char* heure = l + LigneQso::position(Champ::Heure).stockee;
    deuxChiffres(heure, m / 60);
    heure[2] = ':';
    deuxChiffres(heure + 3, m % 60);
    return LigneQso::horodatage(QByteArrayView(l, sizeof l));
}

// The log's lines by callsign and band: each key leads to its last line, and
// each line to the previous one of the same key.
class Index {
public:
    explicit Index(const Carnet& log) {
        suivants_.assign(size_t(log.nombre()), -1);
        temps_.assign(size_t(log.nombre()), -1);
        tetes_.reserve(log.nombre());
        for (qsizetype i = 0; i < log.nombre(); ++i) {
            const QByteArrayView l = log.ligne(i);
            if (LigneQso::estConfirmee(l)) referencesConfirmees_.insert(referenceDuLog(l));
            const Bandes::Bande* b = bandeDuLog(LigneQso::champ(l, Champ::Bande));
            const std::optional<qint64> t = LigneQso::horodatage(l);
            const std::optional<Cle> k = b ? cle(LigneQso::champ(l, Champ::Indicatif), b) : std::nullopt;
            if (!k || !t) continue;  // a line the log cannot date or place on a band is never matched
            temps_[size_t(i)] = *t;
            qsizetype& tete = tetes_[*k];
            suivants_[size_t(i)] = tete - 1;
            tete = i + 1;
        }
    }
    // The last line of the key, -1 when none.
    qsizetype premiere(const std::optional<Cle>& k) const { return k ? tetes_.value(*k) - 1 : -1; }
    qsizetype suivante(qsizetype i) const { return suivants_[size_t(i)]; }
    qint64 temps(qsizetype i) const { return temps_[size_t(i)]; }
    bool referenceConfirmee(quint64 ref) const { return referencesConfirmees_.contains(ref); }

private:
    QHash<Cle, qsizetype> tetes_;  // line + 1, so that a new entry reads 0
    std::vector<qsizetype> suivants_;
    std::vector<qint64> temps_;
    QSet<quint64> referencesConfirmees_;
};

// A confirming record: its callsign and mode as bytes, its other fields as the
// log would write them; motif says what could not be read.
struct Lu {
    QByteArrayView indicatif, mode;
    QString date, heure, ref;
    const Bandes::Bande* bande = nullptr;
    qint64 minutes = 0;
    QString motif;

    // What the report shows of it.
    QString texte(const LecteurAdif::Fichier& f, qsizetype i) const {
        QStringList t;
        for (const QString& v :
             {f.valeur(i, "CALL").trimmed().toUpper(), bande ? QString::fromLatin1(bande->texte) : QString(),
              f.valeur(i, "MODE").trimmed().toUpper(), date, heure, ref})
            if (!v.isEmpty()) t.append(v);
        return t.join(QLatin1Char(' '));
    }
};

Lu lire(const LecteurAdif::Fichier& f, qsizetype i) {
    Lu lu;
    lu.indicatif = sansBlancs(f.brut(i, "CALL"));
    lu.mode = sansBlancs(f.brut(i, "MODE"));
    const QString qsoDate = f.valeur(i, "QSO_DATE").trimmed(), timeOn = f.valeur(i, "TIME_ON").trimmed();
    lu.date = ImportAdif::date(qsoDate);
    lu.heure = ImportAdif::heure(timeOn);
    lu.ref = ImportAdif::referenceSig(f, i).ref;
    lu.bande = ImportAdif::bande(f, i, &lu.motif);
    if (lu.indicatif.isEmpty()) {
        lu.motif = QStringLiteral("pas d'indicatif (CALL)");
    } else if (lu.date.isEmpty()) {
        lu.motif = QStringLiteral("date illisible (QSO_DATE \"") + qsoDate + QStringLiteral("\")");
    } else if (lu.heure.isEmpty()) {
        lu.motif = QStringLiteral("heure illisible (TIME_ON \"") + timeOn + QStringLiteral("\")");
    } else if (!lu.motif.isEmpty()) {
        lu.motif[0] = lu.motif[0].toLower();
    } else {
        const QDate d(qsoDate.left(4).toInt(), qsoDate.mid(4, 2).toInt(), qsoDate.right(2).toInt());
        lu.minutes = d.toJulianDay() * 1440 + timeOn.left(2).toInt() * 60 + timeOn.mid(2, 2).toInt();
    }
    return lu;
}

QString dateHeure(QByteArrayView ligne) {
    return TextFile::decode(LigneQso::champ(ligne, Champ::Date).toByteArray()) + QLatin1Char(' ') +
           TextFile::decode(LigneQso::champ(ligne, Champ::Heure).toByteArray());
}

enum Etat : char { Libre, AConfirmer, Compte };

}  // namespace

bool boiteEqsl(const LecteurAdif::Fichier& f) {
    return f.entete().contains(QLatin1String("eQSL"), Qt::CaseInsensitive);
}

bool confirme(const LecteurAdif::Fichier& f, qsizetype i, bool eqsl) {
    const auto oui = [&](QByteArrayView nom) {
        const QByteArrayView v = sansBlancs(f.brut(i, nom));
        return v.size() == 1 && (v[0] == 'Y' || v[0] == 'y');
    };
    return oui("QSL_RCVD") || oui("LOTW_QSL_RCVD") || oui("EQSL_QSL_RCVD") || (eqsl && oui("QSL_SENT"));
}

Plan preparer(const LecteurAdif::Fichier& f, const Carnet& log) {
    Plan plan;
    plan.enregistrements = f.nombre();
    const Index index(log);
    const bool eqsl = boiteEqsl(f);
    std::vector<Etat> etats(size_t(log.nombre()), Libre);

    for (qsizetype i = 0; i < f.nombre(); ++i) {
        if (!confirme(f, i, eqsl)) {
            ++plan.sansConfirmation;
            continue;
        }
        const Lu lu = lire(f, i);
        const auto refuser = [&](const QString& motif) {
            ++plan.sansQso;
            plan.refus.append({i + 1, lu.texte(f, i), QStringLiteral("sans QSO correspondant, ") + motif});
        };
        if (!lu.motif.isEmpty()) {
            refuser(lu.motif);
            continue;
        }
        const std::optional<qint64> debut = commeLeLog(lu.minutes - Fenetre), fin = commeLeLog(lu.minutes + Fenetre);
        const quint64 ref = lu.ref.isEmpty() ? 0 : numeroReference(lu.ref.toLatin1());
        // How far the closest line went, for the reason given when none matches.
        enum { Aucune, MemeIndicatif, DansLaFenetre, MemeMode } etape = Aucune;
        QByteArrayView autreRef;
        QList<qsizetype> trouvees;
        for (qsizetype k = index.premiere(cle(lu.indicatif, lu.bande)); k >= 0; k = index.suivante(k)) {
            etape = std::max(etape, MemeIndicatif);
            if (!debut || !fin || index.temps(k) < *debut || index.temps(k) > *fin) continue;
            etape = std::max(etape, DansLaFenetre);
            const QByteArrayView l = log.ligne(k);
            // A record without a mode (a card list may say none) leaves it open.
            if (!lu.mode.isEmpty() && !memeMode(lu.mode, LigneQso::champ(l, Champ::Mode))) continue;
            etape = MemeMode;
            if (ref && referenceDuLog(l) != ref) {
                autreRef = sansBlancs(LigneQso::champ(l, Champ::Reference));
                continue;
            }
            trouvees.prepend(k);  // the index runs from the last line back
        }
        if (trouvees.isEmpty()) {
            switch (etape) {
                case Aucune: refuser(QStringLiteral("aucun QSO avec cet indicatif sur cette bande")); break;
                case MemeIndicatif:
                    refuser(
                        QStringLiteral("aucun QSO avec cet indicatif sur cette bande à %1 minutes près").arg(Fenetre));
                    break;
                case DansLaFenetre: refuser(QStringLiteral("le QSO du log n'est pas dans le même mode")); break;
                case MemeMode:
                    refuser(QStringLiteral("la référence n'est pas celle du QSO du log (") +
                            TextFile::decode(autreRef.toByteArray()) + QLatin1Char(')'));
                    break;
            }
            continue;
        }
        if (trouvees.size() > 1) {
            ++plan.ambigus;
            QStringList quand;
            for (qsizetype k : trouvees) quand.append(dateHeure(log.ligne(k)));
            plan.refus.append({i + 1, lu.texte(f, i),
                               QStringLiteral("ambigu, %1 QSO du log correspondent (").arg(trouvees.size()) +
                                   quand.join(QStringLiteral(", ")) + QLatin1Char(')')});
            continue;
        }
        // A QSO confirmed by several records counts once.
        const qsizetype k = trouvees.front();
        if (etats[size_t(k)] != Libre) continue;
        if (LigneQso::estConfirmee(log.ligne(k))) {
            etats[size_t(k)] = Compte;
            ++plan.dejaConfirmes;
        } else {
            etats[size_t(k)] = AConfirmer;
        }
    }

    QSet<quint64> nouvelles;
    for (qsizetype k = 0; k < log.nombre(); ++k) {
        if (etats[size_t(k)] != AConfirmer) continue;
        plan.lignes.append(k);
        const quint64 ref = referenceDuLog(log.ligne(k));
        if (ref && !index.referenceConfirmee(ref)) nouvelles.insert(ref);
    }
    plan.nouvellesReferences = nouvelles.size();
    return plan;
}

Carnet::Resultat appliquer(const Plan& plan, Carnet& log) {
    if (plan.lignes.isEmpty()) return {};
    return log.confirmer(plan.lignes);
}

QString apercu(const Plan& plan) {
    return QStringLiteral(
               "Confirmations : %1 QSO à confirmer dont %2 nouvelles références confirmées, %3 déjà "
               "confirmés, %4 sans QSO correspondant, %5 ambigus, %6 sans confirmation")
        .arg(plan.lignes.size())
        .arg(plan.nouvellesReferences)
        .arg(plan.dejaConfirmes)
        .arg(plan.sansQso)
        .arg(plan.ambigus)
        .arg(plan.sansConfirmation);
}

QString question(const Plan& plan) { return QStringLiteral("Confirmer %1 QSO ?").arg(plan.lignes.size()); }

QString bilan(const Plan& plan) { return QStringLiteral("%1 QSO confirmés").arg(plan.lignes.size()); }

Rapport rapport(const Plan& plan) {
    QStringList out;
    out.reserve(plan.refus.size());
    for (const Refus& r : plan.refus) {
        QString l = QStringLiteral("Enregistrement %1 : ").arg(r.numero);
        if (!r.qso.isEmpty()) l += r.qso + QStringLiteral(" : ");
        out.append(l + r.motif);
    }
    Rapport r;
    r.lignes = out;
    return r;
}

QString nomFichierRapport(const QString& indicatif) { return indicatif + QStringLiteral("_Confirmations.txt"); }

}  // namespace FusionConfirmations
