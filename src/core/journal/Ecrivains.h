#pragma once
#include <QDateTime>
#include <QByteArrayList>
#include <optional>

// Where a new, changed or removed QSO goes in the log's lines, kept as the
// file's bytes: lines are copied far more often than read.
namespace Ecrivains {

// Date (columns 41-48, JJ/MM/AA; 50-99 are 19xx, 00-49 are 20xx) and time
// (columns 50-54). None when either cannot be read.
std::optional<QDateTime> horodatage(const QByteArray& ligne);

QByteArrayList ajouterEnFin(QByteArrayList lignes, const QByteArray& nouvelle);
// Before the first stored QSO at or after the new one; at the end otherwise.
// Lines whose date or time cannot be read are copied, never chosen.
QByteArrayList insererParDate(QByteArrayList lignes, const QByteArray& nouvelle);
// Every line equal to the old one becomes the new one; appended when none is.
QByteArrayList remplacer(QByteArrayList lignes, const QByteArray& nouvelle, const QByteArray& ancienne);
// Every line equal to the given one is left out.
QByteArrayList supprimer(QByteArrayList lignes, const QByteArray& ancienne);

}  // namespace Ecrivains
