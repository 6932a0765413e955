#include "core/saisie/Controles.h"

#include <QDate>

namespace Controles {

namespace {
bool chiffre(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }
int nombre(const QString& t, int pos) { return t.mid(pos, 2).toInt(); }
}  // namespace

bool dateValide(const QString& t) {
    if (t.size() != 8) return false;
    if (!chiffre(t[0]) || !chiffre(t[1])) return false;
    if (t[2] != QLatin1Char('/')) return false;
    if (!chiffre(t[3]) || !chiffre(t[4])) return false;
    if (t[5] != QLatin1Char('/')) return false;
    if (!chiffre(t[6]) || !chiffre(t[7])) return false;
    // A day that exists: 31/02 and 29/02 of a common year do not; the year
    // is read as the log reads it (50-99 are 19xx).
    const int an = nombre(t, 6);
    return QDate::isValid(an >= 50 ? 1900 + an : 2000 + an, nombre(t, 3), nombre(t, 0));
}

bool heureValide(const QString& t) {
    if (t.size() != 5) return false;
    if (!chiffre(t[0]) || !chiffre(t[1])) return false;
    if (t[2] != QLatin1Char(':')) return false;
    if (!chiffre(t[3]) || !chiffre(t[4])) return false;
    if (nombre(t, 0) > 23) return false;
    if (nombre(t, 3) > 59) return false;
    return true;
}

QString indicatif(const QString& t) {
    if (t.isEmpty()) return QStringLiteral("Entrez un indicatif");
    if (t.size() > 12) return QStringLiteral("12 caracteres maxi pour l'indicatif");
    return {};
}

QString prenom(const QString& t) {
    if (t.size() > 15) return QStringLiteral("15 caracteres maxi pour le Prenom");
    return {};
}

QString reference(const QString& t) {
    if (t.isEmpty()) return QStringLiteral("Entrez une reférence");
    if (t.size() < 7 || t.size() > 8)
        return QStringLiteral("7 ou 8 caracteres pour la reference ex: DCF-001 ou DBF-001B");
    return {};
}

QString departement(const QString& t) {
    if (t.size() > 2) return QStringLiteral("2 caracteres maxi pour le Departement");
    return {};
}

QString date(const QString& t) {
    if (t.isEmpty()) return QStringLiteral("Entrez une date");
    if (t.size() != 8) return QStringLiteral("8 caracteres pour la date ex: 01/02/08");
    if (!dateValide(t)) return QStringLiteral("Le format de la date doit etre JJ/MM/AA");
    return {};
}

QString heure(const QString& t) {
    if (t.isEmpty()) return QStringLiteral("Entrez une Heure");
    if (t.size() != 5) return QStringLiteral("5 caracteres pour l'heure ex: 08:45");
    if (!heureValide(t)) return QStringLiteral("Le format de l'heure doit etre HH:MM");
    return {};
}

QString mode(const QString& t) {
    if (t.isEmpty()) return QStringLiteral("Entrez un Mode");
    // The log column holds 3 characters.
    if (t.size() > 3) return QStringLiteral("3 caracteres maxi pour le Mode");
    return {};
}

QString bande(const QString& t) {
    if (t.isEmpty()) return QStringLiteral("Entrez une QRG");
    if (t.size() > 7) return QStringLiteral("7 caracteres maxi pour la QRG");
    return {};
}

QString report(const QString& t) {
    if (t.isEmpty()) return QStringLiteral("Entrez un Report");
    if (t.size() >= 4) return QStringLiteral("3 caracteres maxi pour le Report");
    // Only the first character counts; anything but 0 to 5 is refused.
    if (t[0] < QLatin1Char('0') || t[0] > QLatin1Char('5'))
        return QStringLiteral("R (de RST)doit etre compris entre 0 et 5");
    return {};
}

QString nom(const QString& t) {
    if (t.size() > 30) return QStringLiteral("30 caracteres maxi pour le nom de la Cathédrale");
    return {};
}

QString rapportParDefaut(const QString& mode) {
    return mode == QLatin1String("CW") ? QStringLiteral("599") : QStringLiteral("59");
}

int majuscule(int code) { return code >= 97 && code <= 122 ? code - 32 : code; }

}  // namespace Controles
