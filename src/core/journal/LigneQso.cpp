#include "core/journal/LigneQso.h"

namespace LigneQso {

const QString Entete = QStringLiteral(
    "         N°    Indicatif               Dpt      Prénom                       Ref            "
    "Date          QTR    Mode     QRG   RSTR RSTE        Mom de la Cathédrale                      QSL");

namespace {

inline void put(QString& out, const QString& v, int width) {
    out += v;
    for (qsizetype i = v.size(); i < width; ++i) out += QLatin1Char(' ');
}

// Column (0-based) and width of each field in a stored line and in a display line.
struct Col {
    int log, disp, width;
};
constexpr Col kIndicatif{0, 8, 12}, kDpt{13, 22, 2}, kPrenom{16, 26, 15}, kRef{32, 43, 8},
    kDate{40, 52, 8}, kHeure{49, 62, 5}, kMode{55, 69, 3}, kBande{59, 74, 7}, kRstR{67, 83, 3},
    kRstE{71, 88, 3}, kNom{75, 93, 30}, kQsl{106, 125, 1};

inline QString cut(const QString& s, int pos, int width) {
    return pos >= s.size() ? QString() : s.mid(pos, width);
}

template <int Col::*Pos>
Qso cutAll(const QString& s) {
    Qso q;
    q.indicatif = cut(s, kIndicatif.*Pos, kIndicatif.width);
    q.dpt = cut(s, kDpt.*Pos, kDpt.width);
    q.prenom = cut(s, kPrenom.*Pos, kPrenom.width);
    q.ref = cut(s, kRef.*Pos, kRef.width);
    q.date = cut(s, kDate.*Pos, kDate.width);
    q.heure = cut(s, kHeure.*Pos, kHeure.width);
    q.mode = cut(s, kMode.*Pos, kMode.width);
    q.bande = cut(s, kBande.*Pos, kBande.width);
    q.rstR = cut(s, kRstR.*Pos, kRstR.width);
    q.rstE = cut(s, kRstE.*Pos, kRstE.width);
    q.nom = cut(s, kNom.*Pos, kNom.width);
    q.qsl = cut(s, kQsl.*Pos, kQsl.width);
    return q;
}

}  // namespace

QString format(const Qso& q) {
    QString out;
    out.reserve(Longueur);
    const QChar sp(QLatin1Char(' '));
    put(out, q.indicatif, Largeur::Indicatif); out += sp;
    put(out, q.dpt, Largeur::Dpt); out += sp;
    put(out, q.prenom, Largeur::Prenom); out += sp;
    put(out, q.ref, Largeur::Ref);
    put(out, q.date, Largeur::Date); out += sp;
    put(out, q.heure, Largeur::Heure); out += sp;
    put(out, q.mode, Largeur::Mode); out += sp;
    put(out, q.bande, Largeur::Bande); out += sp;
    put(out, q.rstR, Largeur::Rst); out += sp;
    put(out, q.rstE, Largeur::Rst); out += sp;
    put(out, q.nom, Largeur::Nom); out += sp;
    out += q.qsl.isEmpty() ? sp : q.qsl.at(0);
    return out;
}

Qso parse(const QString& line) { return cutAll<&Col::log>(line); }

Qso parseAffichage(const QString& display) { return cutAll<&Col::disp>(display); }

QString affichage(const QString& line, int numero) {
    const Qso q = parse(line);
    QString out;
    out.reserve(LongueurAffichage);
    const QLatin1String two("  ");
    out += QString::number(numero).rightJustified(6, QLatin1Char(' '));
    out += two; out += q.indicatif;
    out += two; out += q.dpt;
    out += two; out += q.prenom;
    out += two; out += q.ref;
    out += QLatin1Char(' '); out += q.date;
    out += two; out += q.heure;
    out += two; out += q.mode;
    out += two; out += q.bande;
    out += two; out += q.rstR;
    out += two; out += q.rstE;
    out += two; out += q.nom;
    out += two; out += q.qsl;
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
    const QChar sp(QLatin1Char(' '));
    return q.indicatif + sp + q.dpt + sp + q.prenom + sp + q.ref + q.date + sp + q.heure + sp +
           q.mode + sp + q.bande + sp + q.rstR + sp + q.rstE + sp + q.nom + sp + q.qsl;
}

}  // namespace LigneQso
