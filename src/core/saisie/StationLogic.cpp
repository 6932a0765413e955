#include "core/saisie/StationLogic.h"

namespace StationLogic {

int touche(int code) {
    if (code >= 'a' && code <= 'z') return code - 32;
    if (code == '/') return '_';
    return code;
}

QString refus(const QString& candidat) {
    if (candidat.isEmpty()) return QStringLiteral("Vous devez entrer un indicatif");
    if (candidat.size() > 12) return QStringLiteral("12 caracteres maximum pour l'indicatif");
    for (QChar c : candidat) {
        const bool ok = (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
                        (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || c == QLatin1Char('_');
        if (!ok) return QStringLiteral("L'indicatif ne doit comporter que des lettres des chiffres ou le signe '_' ");
    }
    return {};
}

QString affichage(const QString& indicatif) {
    QString s = indicatif;
    s.replace(QLatin1Char('_'), QLatin1Char('/'));
    return s;
}

}  // namespace StationLogic
