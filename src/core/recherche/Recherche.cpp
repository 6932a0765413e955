#include "core/recherche/Recherche.h"

#include "core/journal/Carnet.h"

#include "core/journal/TextFile.h"

namespace Recherche {

namespace {
using LigneQso::Champ;
using LigneQso::sansBlancs;
constexpr int kLargeurDpt = LigneQso::largeur(Champ::Departement);
// The reference is compared on its first 7 characters, the width of "DCF-001".
constexpr int kLargeurRef = 7;

// The département as the display line shows it: a line cut short before
// column 15 leaves blanks there, the separator that follows the field.
bool memeDpt(QByteArrayView v, const QByteArray& c) {
    const QByteArrayView d = LigneQso::champ(v, Champ::Departement);
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
        case ParReference: return QStringLiteral("Entrez une référence");
        case ParDepartement: return QStringLiteral("Entrez un departement");
        default: return QStringLiteral("Entrez un indicatif");
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
            trouve = sansBlancs(LigneQso::tranche(LigneQso::champ(v, Champ::Reference), 0, kLargeurRef)) == c;
        else if (option == ParDepartement)
            trouve = memeDpt(v, c);
        else
            trouve = sansBlancs(LigneQso::champ(v, Champ::Indicatif)).contains(c);
        if (trouve) out.append(i);
    }
    return out;
}

QString numero(const QString& affichage) { return affichage.left(LigneQso::position(Champ::Indicatif).affichee - 2); }

}  // namespace Recherche
