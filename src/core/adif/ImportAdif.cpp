#include "core/adif/ImportAdif.h"

#include <QDate>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include "core/Bandes.h"
#include "core/adif/LecteurAdif.h"
#include "core/journal/TextFile.h"
#include "core/saisie/Cathedrales.h"
#include "core/saisie/Controles.h"
#include "core/saisie/Prenoms.h"

namespace ImportAdif {

namespace {

// "DCF-nnn" or "DBF-nnnB", any case.
bool refSeule(const QString& s) {
    const bool dcf = s.startsWith(QLatin1String("DCF-"), Qt::CaseInsensitive);
    const bool dbf = s.startsWith(QLatin1String("DBF-"), Qt::CaseInsensitive);
    if ((!dcf || s.size() != 7) && (!dbf || s.size() != 8)) return false;
    if (dbf && s[7] != QLatin1Char('B') && s[7] != QLatin1Char('b')) return false;
    for (int k = 4; k < 7; ++k)
        if (s[k].unicode() < u'0' || s[k].unicode() > u'9') return false;
    return true;
}
const QRegularExpression& refDansTexte() {
    static const QRegularExpression re(QStringLiteral("\\b(DCF-\\d{3}|DBF-\\d{3}B)\\b"),
                                       QRegularExpression::CaseInsensitiveOption);
    return re;
}

QString trouverDans(const QString& texte) {
    if (texte.isEmpty()) return {};
    const QRegularExpressionMatch m = refDansTexte().match(texte);
    return m.hasMatch() ? m.captured(1).toUpper() : QString();
}

// The reference list read once: Cathedrales::chercher's rule (first row of a key,
// rows with fewer than four ";" passed over) without reading the file per record.
class Liste {
public:
    explicit Liste(const QString& chemin) {
        for (const QString& l : TextFile::readLines(chemin)) {
            const QStringList c = l.split(QLatin1Char(';'));
            if (c.size() < 5) continue;
            const QString k = Cathedrales::cle(c[0]);
            if (!lignes_.contains(k)) lignes_.insert(k, {true, Cathedrales::nomCourt(k, c[1], c[3]), c[2]});
        }
    }
    Cathedrales::Cathedrale chercher(const QString& ref) const { return lignes_.value(Cathedrales::cle(ref)); }

private:
    QHash<QString, Cathedrales::Cathedrale> lignes_;
};

bool departement(const QString& d) {
    if (d.size() != 2) return false;
    if (d == QLatin1String("2a") || d == QLatin1String("2b")) return true;
    bool ok = false;
    const int n = d.toInt(&ok);
    return ok && d[0].isDigit() && n >= 1 && n <= 95 && n != 20;
}

QByteArray cle(std::initializer_list<QByteArrayView> parts) {
    QByteArray k;
    for (QByteArrayView p : parts) {
        k += p;
        k += '\x1f';
    }
    return k;
}

QByteArray octets(const QString& s) { return TextFile::encode(s.trimmed()); }

int nombre(const QString& v, int pos, int n) {
    int x = 0;
    for (int k = pos; k < pos + n; ++k) {
        const char16_t c = v[k].unicode();
        if (c < u'0' || c > u'9') return -1;
        x = x * 10 + (c - u'0');
    }
    return x;
}

}  // namespace

// "20210615" -> "15/06/21", empty when it is no date.
QString date(const QString& v) {
    if (v.size() != 8) return {};
    const int a = nombre(v, 0, 4), m = nombre(v, 4, 2), j = nombre(v, 6, 2);
    if (a < 0 || m < 0 || j < 0 || !QDate::isValid(a, m, j)) return {};
    return v.mid(6, 2) + QLatin1Char('/') + v.mid(4, 2) + QLatin1Char('/') + v.mid(2, 2);
}

// "1432" or "143205" -> "14:32", empty when it is no time.
QString heure(const QString& v) {
    if (v.size() != 4 && v.size() != 6) return {};
    const int h = nombre(v, 0, 2), m = nombre(v, 2, 2), s = v.size() == 6 ? nombre(v, 4, 2) : 0;
    if (h < 0 || h > 23 || m < 0 || m > 59 || s < 0 || s > 59) return {};
    return v.left(2) + QLatin1Char(':') + v.mid(2, 2);
}

const Bandes::Bande* bande(const LecteurAdif::Fichier& f, qsizetype i, QString* motif) {
    const QString band = f.valeur(i, "BAND").trimmed();
    if (!band.isEmpty()) {
        const Bandes::Bande* b = Bandes::parAdif(band);
        if (!b && motif) *motif = QStringLiteral("Bande inconnue du log : ") + band;
        return b;
    }
    const QString freq = f.valeur(i, "FREQ").trimmed();
    bool ok = false;
    const double mhz = freq.toDouble(&ok);
    const Bandes::Bande* b = ok ? Bandes::parFrequence(mhz * 1000) : nullptr;
    if (!b && motif)
        *motif = freq.isEmpty() ? QStringLiteral("Ni bande (BAND) ni fréquence (FREQ)")
                                : QStringLiteral("Fréquence hors des bandes du log : ") + freq;
    return b;
}

QString mode(const QString& adif) {
    const QString m = adif.trimmed().toUpper();
    if (m == QLatin1String("USB") || m == QLatin1String("LSB")) return QStringLiteral("SSB");
    return m;
}

Reference referenceSig(const LecteurAdif::Fichier& f, qsizetype i) {
    const QString sig = f.valeur(i, "SIG").trimmed();
    const QString info = f.valeur(i, "SIG_INFO").trimmed();
    if (refSeule(sig)) return {sig.toUpper(), info};
    if (sig.compare(QLatin1String("DCF"), Qt::CaseInsensitive) == 0 ||
        sig.compare(QLatin1String("DBF"), Qt::CaseInsensitive) == 0) {
        if (QString r = trouverDans(info); !r.isEmpty()) return {r, {}};
        // The number alone: "001" with SIG DBF is DBF-001B.
        static const QRegularExpression numero(QStringLiteral("^(\\d{3})B?$"),
                                               QRegularExpression::CaseInsensitiveOption);
        if (const QRegularExpressionMatch m = numero.match(info); m.hasMatch()) {
            const bool basilique = sig.compare(QLatin1String("DBF"), Qt::CaseInsensitive) == 0;
            return {(basilique ? QStringLiteral("DBF-") : QStringLiteral("DCF-")) + m.captured(1) +
                        (basilique ? QStringLiteral("B") : QString()),
                    {}};
        }
    }
    return {};
}

Reference reference(const LecteurAdif::Fichier& f, qsizetype i) {
    if (Reference r = referenceSig(f, i); !r.ref.isEmpty()) return r;
    if (QString r = trouverDans(f.valeur(i, "COMMENT")); !r.isEmpty()) return {r, {}};
    return {trouverDans(f.valeur(i, "NOTES")), {}};
}

Plan preparer(const LecteurAdif::Fichier& f, const Carnet& log, const QString& listeRefs,
              const Progression& progression) {
    Plan plan;
    plan.enregistrements = f.nombre();
    const Liste liste(listeRefs);

    // What the log holds, read once from its columns.
    QSet<QByteArray> presents;
    QHash<QByteArray, QString> contactes;  // reference and band -> date of the first QSO
    presents.reserve(log.nombre());
    contactes.reserve(log.nombre());
    for (qsizetype i = 0; i < log.nombre(); ++i) {
        using LigneQso::Champ;
        const QByteArrayView ref = log.champ(i, Champ::Reference).trimmed(),
                             bande = log.champ(i, Champ::Bande).trimmed();
        const QByteArrayView date = log.champ(i, Champ::Date);
        presents.insert(cle({log.champ(i, Champ::Indicatif).trimmed(), ref, bande, date, log.champ(i, Champ::Heure)}));
        const QByteArray k = cle({ref, bande});
        if (!contactes.contains(k)) contactes.insert(k, TextFile::decode(date.toByteArray()));
    }

    for (qsizetype i = 0; i < f.nombre(); ++i) {
        if (progression && i % 512 == 0 && !progression(i, f.nombre())) {
            plan = Plan();
            plan.annule = true;
            return plan;
        }
        const Reference r = reference(f, i);
        if (r.ref.isEmpty()) continue;
        ++plan.avecReference;

        Qso q;
        q.indicatif = f.valeur(i, "CALL").trimmed().toUpper();
        q.ref = r.ref;
        const QString qsoDate = f.valeur(i, "QSO_DATE").trimmed(), timeOn = f.valeur(i, "TIME_ON").trimmed();
        q.date = date(qsoDate);
        q.heure = heure(timeOn);
        Refus refus{i + 1, q.indicatif, q.ref, q.date, q.heure, {}};
        const auto refuser = [&](const QString& motif) {
            refus.motif = motif;
            plan.refus.append(refus);
        };
        if (q.date.isEmpty()) {
            refuser(QStringLiteral("Date illisible (QSO_DATE \"") + qsoDate + QStringLiteral("\")"));
            continue;
        }
        if (q.heure.isEmpty()) {
            refuser(QStringLiteral("Heure illisible (TIME_ON \"") + timeOn + QStringLiteral("\")"));
            continue;
        }
        QString motif;
        const Bandes::Bande* b = bande(f, i, &motif);
        if (!b) {
            refuser(motif);
            continue;
        }
        q.bande = QString::fromLatin1(b->texte);
        q.mode = mode(f.valeur(i, "MODE"));
        // A missing report is the one the entry starts with.
        q.rstR = f.valeur(i, "RST_RCVD").trimmed();
        q.rstE = f.valeur(i, "RST_SENT").trimmed();
        if (q.rstR.isEmpty()) q.rstR = Controles::rapportParDefaut(q.mode);
        if (q.rstE.isEmpty()) q.rstE = Controles::rapportParDefaut(q.mode);
        q.prenom = f.valeur(i, "NAME").trimmed();
        const QString state = f.valeur(i, "STATE").trimmed().toLower();
        const Cathedrales::Cathedrale cath = liste.chercher(q.ref);
        q.dpt = departement(state) ? state : cath.dpt.trimmed().toLower();
        q.nom = r.nom.isEmpty() ? cath.nom : r.nom;
        q.qsl = f.valeur(i, "QSL_RCVD").trimmed().compare(QLatin1String("Y"), Qt::CaseInsensitive) == 0
                    ? QStringLiteral("*")
                    : QStringLiteral(" ");
        q = Carnet::normaliser(q);

        const QByteArray bRef = octets(q.ref), bBande = octets(q.bande);
        const QByteArray k = cle({octets(q.indicatif), bRef, bBande, octets(q.date), octets(q.heure)});
        if (presents.contains(k)) {
            ++plan.presents;
            continue;
        }
        if (const Carnet::Resultat v = log.verifier(q, false); !v.fait()) {
            refuser(v.message);
            continue;
        }
        const QByteArray kc = cle({bRef, bBande});
        if (const auto it = contactes.constFind(kc); it != contactes.cend()) {
            refuser(q.ref + QStringLiteral(" Cathédrale déja contacté le ") + *it + QStringLiteral(" sur ") + q.bande);
            continue;
        }
        if (log.nombre() + plan.qsos.size() >= LigneQso::MaxQso) {
            refuser(Carnet::messagePlafond());
            continue;
        }
        presents.insert(k);
        contactes.insert(kc, q.date);
        plan.qsos.append(q);
    }
    if (progression) progression(f.nombre(), f.nombre());
    return plan;
}

Carnet::Resultat appliquer(const Plan& plan, Carnet& log) {
    if (plan.qsos.isEmpty() || plan.annule) return {};
    return log.insererLot(plan.qsos);
}

bool memoriserPrenoms(const QList<Qso>& qsos, const QString& fichier, QString* erreur) {
    QStringList lignes;
    for (const Qso& q : qsos)
        if (!q.prenom.trimmed().isEmpty()) lignes << Prenoms::enregistrement(q.indicatif, q.dpt, q.prenom);
    return Prenoms::memoriserLot(fichier, lignes, erreur);
}

QString resume(const Plan& plan) {
    QString t = QStringLiteral(
                    "Le fichier contient %1 enregistrement(s), dont %2 avec une référence "
                    "de cathédrale ou de basilique.\n%3 déjà présent(s) dans le log, %4 refusé(s).\n\n")
                    .arg(plan.enregistrements)
                    .arg(plan.avecReference)
                    .arg(plan.presents)
                    .arg(plan.refus.size());
    if (plan.qsos.isEmpty()) return t + QStringLiteral("Aucun QSO à importer.");
    return t + QStringLiteral("Importer %1 QSO ?").arg(plan.qsos.size());
}

QString bilan(const Plan& plan) {
    return QStringLiteral("%1 QSO importés, %2 déjà présents, %3 refusés")
        .arg(plan.qsos.size())
        .arg(plan.presents)
        .arg(plan.refus.size());
}

Rapport rapportRefus(const Plan& plan) {
    QStringList out;
    out.reserve(plan.refus.size());
    for (const Refus& r : plan.refus) {
        QStringList qso;
        for (const QString& v : {r.indicatif, r.ref, r.date, r.heure})
            if (!v.isEmpty()) qso.append(v);
        out.append(QStringLiteral("Enregistrement %1 : ").arg(r.numero) + qso.join(QLatin1Char(' ')) +
                   QStringLiteral(" : ") + r.motif);
    }
    Rapport r;
    r.lignes = out;
    return r;
}

}  // namespace ImportAdif
