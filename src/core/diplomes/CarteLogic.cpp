#include "core/diplomes/CarteLogic.h"

#include "core/journal/LigneQso.h"

namespace CarteLogic {

const QString Attribution = QStringLiteral(
    "Carte des départements : « france.departments » de Victor Cazanave (svg-maps), "
    "d'après MapSVG, licence CC BY 4.0 (https://creativecommons.org/licenses/by/4.0/)");

namespace {

// Blanks only: a tab or another space character is not trimmed and makes the
// field non-numeric.
QStringView sansBlancs(QStringView s) {
    while (!s.isEmpty() && s.front() == QLatin1Char(' ')) s = s.mid(1);
    while (!s.isEmpty() && s.back() == QLatin1Char(' ')) s.chop(1);
    return s;
}

}  // namespace

int caseDepartement(const QString& dpt) {
    const QStringView d = sansBlancs(dpt);
    if (d.compare(QLatin1String("2a"), Qt::CaseInsensitive) == 0) return CaseCorseSud;
    if (d.compare(QLatin1String("2b"), Qt::CaseInsensitive) == 0) return CaseHauteCorse;
    if (d.isEmpty()) return -1;
    int n = 0;
    for (const QChar c : d) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return -1;
        n = n * 10 + (c.unicode() - '0');
        // The field is two characters wide; a longer text must not index past the boxes.
        if (n >= NbCases) return -1;
    }
    return n;
}

Carte colorier(const QStringList& lignes) {
    Carte c;
    for (const QString& l : lignes) {
        const Qso q = LigneQso::parse(l);
        const int i = caseDepartement(q.dpt);
        if (i < 0) continue;
        if (sansBlancs(q.qsl) == QLatin1String("*"))
            c.etats[i] = Etat::Confirme;
        else if (c.etats[i] != Etat::Confirme)
            c.etats[i] = Etat::Contacte;
    }
    for (int i = 1; i < NbCases; ++i) {
        if (c.etats[i] == Etat::NonContacte) continue;
        ++c.total;
        if (c.etats[i] == Etat::Contacte)
            ++c.nonConfirmes;
        else
            ++c.confirmes;
    }
    return c;
}

int nonContactes(int nonConfirmes, int confirmes) {
    return NbDepartements - (nonConfirmes + confirmes);
}

QString texteConfirmes(int confirmes) {
    return QLatin1Char(' ') + QString::number(confirmes) + QStringLiteral(" Dpt confirmés");
}

QString texteNonContactes(int nonConfirmes, int confirmes) {
    const int n = nonContactes(nonConfirmes, confirmes);
    return (n < 0 ? QString() : QStringLiteral(" ")) + QString::number(n) +
           QStringLiteral(" Dpt non contactés");
}

bool caseVisible(int index) {
    return index > 0 && index < NbCases && index != 20 && index != 98 && index != 99;
}

QString texteCase(int index) {
    if (index == 0) return QStringLiteral("00");
    if (index == CaseCorseSud) return QStringLiteral("2a");
    if (index == CaseHauteCorse) return QStringLiteral("2b");
    if (!caseVisible(index)) return QStringLiteral("X");
    return QStringLiteral("%1").arg(index, 2, 10, QLatin1Char('0'));
}

QString idSvg(int index) {
    if (!caseVisible(index)) return {};
    return texteCase(index).toUpper();
}

QString messageLogIllisible(const QString& nomFichier) {
    return QStringLiteral("Impossible de lire le log ") + nomFichier;
}

}  // namespace CarteLogic
