#pragma once
#include <QSortFilterProxyModel>

class ModeleSpots;

// The board as shown: in the order of a column, "Intérêt" at first, and only
// the Nouvelle spots when asked.
class TriSpots : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit TriSpots(ModeleSpots* spots, QObject* parent = nullptr);

    void setNouvellesSeulement(bool oui);
    const ModeleSpots* spots() const { return spots_; }

protected:
    bool lessThan(const QModelIndex& gauche, const QModelIndex& droite) const override;
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override;

private:
    ModeleSpots* spots_;
    bool nouvellesSeulement_ = false;
};
