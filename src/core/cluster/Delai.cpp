#include "core/cluster/Delai.h"

namespace {
bool passe(const QDateTime& note, const QDateTime& maintenant, qint64 secondes) {
    const qint64 ecoule = note.secsTo(maintenant);
    return ecoule < 0 || ecoule >= secondes;
}
}  // namespace

bool Delai::libre(const QString& cle, const QDateTime& maintenant) const {
    const auto it = notes_.constFind(cle);
    return it == notes_.cend() || passe(*it, maintenant, secondes_);
}

void Delai::noter(const QString& cle, const QDateTime& maintenant) {
    // Keys past their delay are forgotten: a long session keeps few.
    notes_.removeIf([&](const auto& n) { return passe(n.value(), maintenant, secondes_); });
    notes_.insert(cle, maintenant);
}
