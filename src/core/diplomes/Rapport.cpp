#include "core/diplomes/Rapport.h"

namespace {

QStringList disposer(const Rapport& r, int blancsAvantCredit) {
    QStringList out;
    out.reserve(r.lignes.size() + 7);
    if (!r.titre.isEmpty()) out << r.titre << QString();
    if (!r.entete.isEmpty()) out << r.entete << QString();
    out << r.lignes;
    if (!r.credit.isEmpty()) {
        for (int i = 0; i < blancsAvantCredit; ++i) out << QString();
        out << r.credit;
    }
    return out;
}

}  // namespace

QStringList Rapport::lignesFichier() const { return disposer(*this, 1); }

// Paper gets a wider gap before the credit, as the lists were always printed.
QStringList Rapport::lignesImprimees() const { return disposer(*this, 2); }

QStringList Rapport::enteteDePage() const {
    if (entete.isEmpty()) return {};
    return {entete, QString()};
}
