#include "core/cluster/TriSpots.h"

#include "core/cluster/ModeleSpots.h"

TriSpots::TriSpots(ModeleSpots* spots, QObject* parent) : QSortFilterProxyModel(parent), spots_(spots) {
    setSourceModel(spots);
    setDynamicSortFilter(true);
    sort(Spots::Interet, Qt::AscendingOrder);
}

void TriSpots::setNouvellesSeulement(bool oui) {
    if (oui == nouvellesSeulement_) return;
    nouvellesSeulement_ = oui;
    invalidateFilter();
}

bool TriSpots::lessThan(const QModelIndex& gauche, const QModelIndex& droite) const {
    const Spots::Entree* a = spots_->entree(gauche.row());
    const Spots::Entree* b = spots_->entree(droite.row());
    return a && b && Spots::avant(*a, *b, gauche.column());
}

bool TriSpots::filterAcceptsRow(int row, const QModelIndex&) const {
    const Spots::Entree* e = spots_->entree(row);
    return e && (!nouvellesSeulement_ || e->marque == Spots::Marque::Nouvelle);
}
