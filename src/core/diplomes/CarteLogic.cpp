#include "core/diplomes/CarteLogic.h"

#include "core/journal/Carnet.h"

namespace CarteLogic {

const QString Attribution = QStringLiteral(
    "Carte des départements : « france.departments » de Victor Cazanave (svg-maps), "
    "d'après MapSVG, licence CC BY 4.0 (https://creativecommons.org/licenses/by/4.0/)");

namespace {

bool lettre(QByteArrayView d, char chiffre, char minuscule) {
    return d.size() == 2 && d[0] == chiffre && (d[1] | 0x20) == minuscule;
}

}  // namespace

int caseDepartement(QByteArrayView dpt) {
    // A tab is not trimmed and makes the field non-numeric.
    const QByteArrayView d = LigneQso::sansBlancs(dpt);
    if (lettre(d, '2', 'a')) return CaseCorseSud;
    if (lettre(d, '2', 'b')) return CaseHauteCorse;
    if (d.isEmpty()) return -1;
    int n = 0;
    for (const char c : d) {
        if (c < '0' || c > '9') return -1;
        n = n * 10 + (c - '0');
        // The field is two characters wide; a longer text must not index past the boxes.
        if (n >= NbCases) return -1;
    }
    return n;
}

Carte colorier(const Carnet& log) {
    Carte c;
    for (qsizetype n = 0; n < log.nombre(); ++n) {
        const QByteArrayView l = log.ligne(n);
        const int i = caseDepartement(LigneQso::champ(l, LigneQso::Champ::Departement));
        if (i < 0) continue;
        if (LigneQso::estConfirmee(l))
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

int nonContactes(int nonConfirmes, int confirmes) { return NbDepartements - (nonConfirmes + confirmes); }

QString texteConfirmes(int confirmes) {
    return QLatin1Char(' ') + QString::number(confirmes) + QStringLiteral(" Dpt confirmés");
}

QString texteNonContactes(int nonConfirmes, int confirmes) {
    const int n = nonContactes(nonConfirmes, confirmes);
    return (n < 0 ? QString() : QStringLiteral(" ")) + QString::number(n) + QStringLiteral(" Dpt non contactés");
}

bool caseVisible(int index) { return index > 0 && index < NbCases && index != 20 && index != 98 && index != 99; }

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
