#include "log/Ecrivains.h"

namespace Ecrivains {

std::optional<QDateTime> horodatage(const QString& ligne) {
    const QString d = ligne.mid(40, 8);
    const QString h = ligne.mid(49, 5);
    if (d.size() != 8 || h.size() != 5 || d[2] != QLatin1Char('/') || d[5] != QLatin1Char('/') ||
        h[2] != QLatin1Char(':'))
        return std::nullopt;
    bool ok[5];
    const int jour = d.left(2).toInt(&ok[0]);
    const int mois = d.mid(3, 2).toInt(&ok[1]);
    const int an = d.mid(6, 2).toInt(&ok[2]);
    const int heures = h.left(2).toInt(&ok[3]);
    const int minutes = h.mid(3, 2).toInt(&ok[4]);
    for (bool b : ok)
        if (!b) return std::nullopt;
    const QDate date(an >= 50 ? 1900 + an : 2000 + an, mois, jour);
    const QTime temps(heures, minutes);
    if (!date.isValid() || !temps.isValid()) return std::nullopt;
    return QDateTime(date, temps, Qt::UTC);
}

QStringList ajouterEnFin(QStringList lignes, const QString& nouvelle) {
    lignes.append(nouvelle);
    return lignes;
}

QStringList insererParDate(QStringList lignes, const QString& nouvelle) {
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

QStringList remplacer(QStringList lignes, const QString& nouvelle, const QString& ancienne) {
    bool trouve = false;
    for (QString& l : lignes) {
        if (l == ancienne) {
            l = nouvelle;
            trouve = true;
        }
    }
    if (!trouve) lignes.append(nouvelle);
    return lignes;
}

QStringList supprimer(QStringList lignes, const QString& ancienne) {
    lignes.removeAll(ancienne);
    return lignes;
}

}  // namespace Ecrivains
