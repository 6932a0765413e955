#include "core/journal/LigneQso.h"

#include <QDate>

namespace LigneQso {

const QString Entete = QStringLiteral(
    "         N°    Indicatif               Dpt      Prénom                       Ref            "
    "Date          QTR    Mode     QRG   RSTR RSTE        Mom de la Cathédrale                      QSL");

namespace {

int deux(QByteArrayView l, int pos) {
    const char a = l[pos], b = l[pos + 1];
    if (a < '0' || a > '9' || b < '0' || b > '9') return -1;
    return (a - '0') * 10 + (b - '0');
}

// The Qso member holding each field, in the schema's order.
constexpr QString Qso::*const Membres[] = {&Qso::indicatif, &Qso::dpt,   &Qso::prenom, &Qso::ref,
                                           &Qso::date,      &Qso::heure, &Qso::mode,   &Qso::bande,
                                           &Qso::rstR,      &Qso::rstE,  &Qso::nom,    &Qso::qsl};
static_assert(std::size(Membres) == Schema.size());

// The blanks between a field and the next one, in either kind of line.
template <int Position::*Colonne>
constexpr int ecart(size_t i) {
    return i == 0 ? Schema[0].*Colonne : Schema[i].*Colonne - (Schema[i - 1].*Colonne + Schema[i - 1].largeur);
}

void blancs(QString& out, qsizetype n) {
    for (; n > 0; --n) out += QLatin1Char(' ');
}

template <int Position::*Colonne>
Qso decouper(QStringView s) {
    Qso q;
    for (size_t i = 0; i < Schema.size(); ++i)
        q.*Membres[i] = tranche(s, Schema[i].*Colonne, Schema[i].largeur).toString();
    return q;
}

}  // namespace

QString format(const Qso& q) {
    QString out;
    out.reserve(Longueur);
    for (size_t i = 0; i + 1 < Schema.size(); ++i) {
        blancs(out, ecart<&Position::stockee>(i));
        const QString& v = q.*Membres[i];
        out += v;
        blancs(out, Schema[i].largeur - v.size());
    }
    blancs(out, ecart<&Position::stockee>(Schema.size() - 1));
    out += q.qsl.isEmpty() ? QChar(QLatin1Char(' ')) : q.qsl.at(0);
    return out;
}

Qso parse(const QString& line) { return decouper<&Position::stockee>(line); }

Qso parseAffichage(const QString& display) { return decouper<&Position::affichee>(display); }

QString affichage(const QString& line, int numero) {
    QString out;
    out.reserve(LongueurAffichage);
    out += QString::number(numero).rightJustified(ecart<&Position::affichee>(0) - 2, QLatin1Char(' '));
    blancs(out, 2);
    // Fields as cut: a short line gives a short display line.
    for (size_t i = 0; i < Schema.size(); ++i) {
        if (i > 0) blancs(out, ecart<&Position::affichee>(i));
        out += tranche(QStringView(line), Schema[i].stockee, Schema[i].largeur);
    }
    return out;
}

QStringList affichages(const QStringList& lines) {
    QStringList out;
    out.reserve(lines.size());
    int n = 1;
    for (const QString& l : lines) out.append(affichage(l, n++));
    return out;
}

QString reconstruire(const QString& display, bool nameAsShown) {
    Qso q = parseAffichage(display);
    if (!nameAsShown) q.nom = q.nom.toUpper();
    // Joined as cut: no padding, so a short field stays short.
    QString out;
    for (size_t i = 0; i < Schema.size(); ++i) {
        if (i > 0) blancs(out, ecart<&Position::stockee>(i));
        out += q.*Membres[i];
    }
    return out;
}

std::optional<qint64> horodatage(QByteArrayView l) {
    const QByteArrayView date = champ(l, Champ::Date), heure = champ(l, Champ::Heure);
    if (heure.size() < 5 || date[2] != '/' || date[5] != '/' || heure[2] != ':') return std::nullopt;
    const int jour = deux(date, 0), mois = deux(date, 3), an = deux(date, 6);
    const int heures = deux(heure, 0), minutes = deux(heure, 3);
    if (jour < 0 || mois < 0 || an < 0 || heures < 0 || minutes < 0) return std::nullopt;
    const int annee = an >= 50 ? 1900 + an : 2000 + an;
    if (!QDate::isValid(annee, mois, jour) || heures > 23 || minutes > 59) return std::nullopt;
    return ((((qint64(annee) * 13 + mois) * 32 + jour) * 24 + heures) * 60) + minutes;
}

}  // namespace LigneQso
