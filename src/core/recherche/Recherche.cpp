#include "core/recherche/Recherche.h"

#include "core/journal/Carnet.h"

#include "core/journal/TextFile.h"

namespace Recherche {

namespace {
// Columns (0-based) of the stored line read by the search; in the display
// line they stand 8 further right for the callsign, 9 for the département
// and 11 for the reference.
constexpr int kIndicatif = 0, kLargeurIndicatif = 12;
constexpr int kDpt = 13, kLargeurDpt = 2;
constexpr int kRef = 32, kLargeurRef = 7;
constexpr int kLargeurNumero = 6;

// Short lines, edited by hand, give short or empty columns.
QByteArrayView colonne(QByteArrayView v, qsizetype pos, qsizetype n) {
    if (pos >= v.size()) return {};
    return v.sliced(pos, qMin(n, v.size() - pos));
}

// Outer blanks only: a tab is part of the value.
QByteArrayView sansBlancs(QByteArrayView v) {
    while (!v.isEmpty() && v.front() == ' ') v = v.sliced(1);
    while (!v.isEmpty() && v.back() == ' ') v.chop(1);
    return v;
}

// The département as the display line shows it: a line cut short before
// column 15 leaves blanks there, the separator that follows the field.
bool memeDpt(QByteArrayView v, const QByteArray& c) {
    const QByteArrayView d = colonne(v, kDpt, kLargeurDpt);
    if (d.size() == kLargeurDpt) return d == c;
    return c == d.toByteArray().leftJustified(kLargeurDpt, ' ');
}
}  // namespace

QString controleIndicatif(const QString& texte) {
    if (texte.size() > 12) return QStringLiteral("12 caracteres maxi pour l'indicatif");
    if (texte.isEmpty()) return QStringLiteral("Entrez un indicatif");
    return {};
}

QString controleReference(const QString& texte) {
    if (texte.size() != 7) return QStringLiteral("7 caracteres maxi pour la référence ex: DCF-001");
    return {};
}

QString controleDepartement(const QString& texte) {
    if (texte.isEmpty()) return QStringLiteral("Entrez un département");
    if (texte.size() > 2) return QStringLiteral("2 caracteres maxi pour le département");
    return {};
}

QString messageCritereVide(int option) {
    switch (option) {
    case ParReference:
        return QStringLiteral("Entrez une référence");
    case ParDepartement:
        return QStringLiteral("Entrez un departement");
    default:
        return QStringLiteral("Entrez un indicatif");
    }
}

QList<int> chercher(const Carnet& lignes, int option, const QString& critere) {
    QList<int> out;
    bool ok = false;
    const QByteArray c = TextFile::encode(option == ParDepartement ? critere : critere.toUpper(), &ok);
    if (!ok) return out;  // a character no log line can hold
    for (int i = 0; i < lignes.nombre(); ++i) {
        const QByteArrayView v = lignes.ligne(i);
        bool trouve;
        if (option == ParReference)
            trouve = sansBlancs(colonne(v, kRef, kLargeurRef)) == c;
        else if (option == ParDepartement)
            trouve = memeDpt(v, c);
        else
            trouve = sansBlancs(colonne(v, kIndicatif, kLargeurIndicatif)).contains(c);
        if (trouve) out.append(i);
    }
    return out;
}

QString numero(const QString& affichage) { return affichage.left(kLargeurNumero); }

}  // namespace Recherche
