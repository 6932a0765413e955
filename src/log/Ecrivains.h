#pragma once
#include <QDateTime>
#include <QStringList>
#include <optional>

// Where a new, changed or removed QSO goes in the log's lines.
namespace Ecrivains {

// Date (columns 41-48, JJ/MM/AA; 50-99 are 19xx, 00-49 are 20xx) and time
// (columns 50-54). None when either cannot be read.
std::optional<QDateTime> horodatage(const QString& ligne);

QStringList ajouterEnFin(QStringList lignes, const QString& nouvelle);
// Before the first stored QSO at or after the new one; at the end otherwise.
// Lines whose date or time cannot be read are copied, never chosen.
QStringList insererParDate(QStringList lignes, const QString& nouvelle);
// Every line equal to the old one becomes the new one; appended when none is.
QStringList remplacer(QStringList lignes, const QString& nouvelle, const QString& ancienne);
// Every line equal to the given one is left out.
QStringList supprimer(QStringList lignes, const QString& ancienne);

}  // namespace Ecrivains
