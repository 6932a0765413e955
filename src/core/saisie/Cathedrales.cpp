#include "core/saisie/Cathedrales.h"

#include "core/journal/TextFile.h"

namespace Cathedrales {

QString cle(const QString& reference) {
    const qsizetype i = reference.indexOf(QLatin1Char('-'));
    return i < 0 ? reference : reference.mid(i + 1);
}

QString nomCourt(const QString& cleRef, const QString& ville, const QString& eglise) {
    const bool basilique = cleRef.endsWith(QLatin1Char('B'));
    const QString prefixe = basilique ? QStringLiteral("B. ") : QStringLiteral("C. ");
    const QString longNom = prefixe + eglise + QStringLiteral(" à ") + ville;
    if (longNom.size() > 30) return prefixe + QStringLiteral("de ") + ville;
    return longNom;
}

Cathedrale chercher(const QString& fichierListe, const QString& reference) {
    const QString k = cle(reference);
    for (const QString& l : TextFile::readLines(fichierListe)) {
        const QStringList champs = l.split(QLatin1Char(';'));
        if (champs.size() < 5) continue;  // fewer than four ";"
        if (cle(champs[0]) == k) return cathedrale(champs);
    }
    return {};
}

Cathedrale cathedrale(const QStringList& champs) {
    // Values are cleaned and cut when read, so that a damaged list never
    // fills a value the save refuses. Town and church cut to 30 give the
    // same name once it is cut to its 30 columns.
    auto champ = [&](int i, int largeur) { return TextFile::sansControles(champs[i]).left(largeur); };
    return {true, nomCourt(cle(champs[0]), champ(1, 30), champ(3, 30)), champ(2, 2)};
}

}  // namespace Cathedrales
