#include "core/journal/Ecrivains.h"

namespace Ecrivains {

namespace {
// Two digits at pos, or -1.
int deux(const QByteArray& l, int pos) {
    const char a = l[pos], b = l[pos + 1];
    if (a < '0' || a > '9' || b < '0' || b > '9') return -1;
    return (a - '0') * 10 + (b - '0');
}
}  // namespace

std::optional<QDateTime> horodatage(const QByteArray& ligne) {
    if (ligne.size() < 54 || ligne[42] != '/' || ligne[45] != '/' || ligne[51] != ':')
        return std::nullopt;
    const int jour = deux(ligne, 40), mois = deux(ligne, 43), an = deux(ligne, 46);
    const int heures = deux(ligne, 49), minutes = deux(ligne, 52);
    if (jour < 0 || mois < 0 || an < 0 || heures < 0 || minutes < 0) return std::nullopt;
    const QDate date(an >= 50 ? 1900 + an : 2000 + an, mois, jour);
    const QTime temps(heures, minutes);
    if (!date.isValid() || !temps.isValid()) return std::nullopt;
    return QDateTime(date, temps, Qt::UTC);
}

QByteArrayList ajouterEnFin(QByteArrayList lignes, const QByteArray& nouvelle) {
    lignes.append(nouvelle);
    return lignes;
}

QByteArrayList insererParDate(QByteArrayList lignes, const QByteArray& nouvelle) {
    const std::optional<QDateTime> t = horodatage(nouvelle);
    if (t) {
        for (qsizetype i = 0; i < lignes.size(); ++i) {
            const std::optional<QDateTime> u = horodatage(lignes[i]);
            if (u && *u >= *t) {
                lignes.insert(i, nouvelle);
                return lignes;
            }
        }
    }
    lignes.append(nouvelle);
    return lignes;
}

QByteArrayList remplacer(QByteArrayList lignes, const QByteArray& nouvelle, const QByteArray& ancienne) {
    bool trouve = false;
    for (QByteArray& l : lignes) {
        if (l == ancienne) {
            l = nouvelle;
            trouve = true;
        }
    }
    if (!trouve) lignes.append(nouvelle);
    return lignes;
}

QByteArrayList supprimer(QByteArrayList lignes, const QByteArray& ancienne) {
    lignes.removeAll(ancienne);
    return lignes;
}

}  // namespace Ecrivains
