#include "core/journal/HistoriqueModifications.h"

#include <cstring>

namespace {

// Both compare by blocks with memcmp, then byte by byte in the block that
// differs: a byte loop over an 11 MB log cost more than the save's write.
constexpr qsizetype BlocComparaison = 4096;

qsizetype prefixeCommun(const char* a, const char* b, qsizetype n) {
    qsizetype i = 0;
    while (i + BlocComparaison <= n && std::memcmp(a + i, b + i, BlocComparaison) == 0) i += BlocComparaison;
    while (i < n && a[i] == b[i]) ++i;
    return i;
}

// The common length of the two ends, a and b pointing past them.
qsizetype suffixeCommun(const char* a, const char* b, qsizetype n) {
    qsizetype i = 0;
    while (i + BlocComparaison <= n &&
           std::memcmp(a - i - BlocComparaison, b - i - BlocComparaison, BlocComparaison) == 0)
        i += BlocComparaison;
    while (i < n && a[-i - 1] == b[-i - 1]) ++i;
    return i;
}

}  // namespace

void HistoriqueModifications::noter(const QString& nom, const QByteArray& avant, const QByteArray& apres) {
    const qsizetype n = std::min(avant.size(), apres.size());
    const qsizetype debut = prefixeCommun(avant.constData(), apres.constData(), n);
    const qsizetype fin = suffixeCommun(avant.constData() + avant.size(), apres.constData() + apres.size(), n - debut);
    Etape e{nom, debut, apres.size() - fin - debut, avant.sliced(debut, avant.size() - fin - debut)};
    taille_ += e.ancien.size();
    etapes_.push_back(std::move(e));
    while (!etapes_.empty() && (qsizetype(etapes_.size()) > Max || taille_ > Plafond)) {
        taille_ -= etapes_.front().ancien.size();
        etapes_.pop_front();
    }
}

QByteArray HistoriqueModifications::Etape::defaire(const QByteArray& apres) const {
    QByteArray avant;
    avant.reserve(apres.size() - longueur + ancien.size());
    avant.append(QByteArrayView(apres).first(debut))
        .append(ancien)
        .append(QByteArrayView(apres).sliced(debut + longueur));
    return avant;
}

HistoriqueModifications::Etape HistoriqueModifications::retirer() {
    Etape e = std::move(etapes_.back());
    etapes_.pop_back();
    taille_ -= e.ancien.size();
    return e;
}

void HistoriqueModifications::remettre(Etape e) {
    taille_ += e.ancien.size();
    etapes_.push_back(std::move(e));
}

void HistoriqueModifications::vider() {
    etapes_.clear();
    taille_ = 0;
}
