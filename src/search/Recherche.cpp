#include "search/Recherche.h"

namespace Recherche {

namespace {
// Display columns (0-based) read by the search.
constexpr int kIndicatif = 8, kLargeurIndicatif = 12;
constexpr int kDpt = 22, kLargeurDpt = 2;
constexpr int kRef = 43, kLargeurRef = 7;
constexpr int kLargeurNumero = 6;
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

QStringList chercher(const QStringList& affichages, int option, const QString& critere) {
    const QString c = option == ParDepartement ? critere : critere.toUpper();
    QStringList out;
    for (const QString& l : affichages) {
        const QStringView v(l);
        bool ok;
        if (option == ParReference)
            ok = v.mid(kRef, kLargeurRef).trimmed() == c;
        else if (option == ParDepartement)
            ok = v.mid(kDpt, kLargeurDpt) == c;
        else
            ok = v.mid(kIndicatif, kLargeurIndicatif).trimmed().contains(c);
        if (ok) out.append(l);
    }
    return out;
}

QString numero(const QString& affichage) { return affichage.left(kLargeurNumero); }

}  // namespace Recherche
