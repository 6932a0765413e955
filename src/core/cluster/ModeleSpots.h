#pragma once
#include <QAbstractTableModel>
#include <QDateTime>
#include <deque>

#include "core/cluster/Spots.h"

namespace Spots {

// The columns of the board, in order.
enum Colonne {
    Heure,
    Frequence,
    Bande,
    Indicatif,
    Reference,
    Cathedrale,
    Dpt,
    Spotteur,
    Interet,
    Commentaire,
    NbColonnes
};
// What the windows colour a row by: its Marque (as an int) and whether it is old.
enum Role { RoleMarque = Qt::UserRole, RoleAncien };

struct Entree {
    Spot spot;
    Cathedrales::Cathedrale cathedrale;
    Marque marque = Marque::Nouvelle;
    // UTC, when it came in: ages count from here, as the node's clock and
    // ours need not agree.
    QDateTime recu;
    quint64 numero = 0;  // arrival order
};

enum class Age { Recent, Ancien, Perime };
// Over 30 minutes a spot is old, shown in grey; over 60 it leaves the board.
Age age(const QDateTime& recu, const QDateTime& maintenant);

// a comes before b in the ascending order of a column; equal values put the
// newest first. The order of "Intérêt" is what the award still needs:
// Nouvelle, Nouvelle bande, Contactée, Confirmée.
bool avant(const Entree& a, const Entree& b, int colonne);

}  // namespace Spots

// The spots on the board, newest first, at most Max: one row per callsign,
// reference and band, holding its latest spot.
class ModeleSpots : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int Max = 500;

    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& p = {}) const override { return p.isValid() ? 0 : int(entrees_.size()); }
    int columnCount(const QModelIndex& p = {}) const override { return p.isValid() ? 0 : Spots::NbColonnes; }
    QVariant headerData(int section, Qt::Orientation o, int role) const override;
    QVariant data(const QModelIndex& i, int role) const override;

    // A spot that came in now, with what is known of its reference. The
    // spots past the hour leave first.
    void ajouter(const Spots::Spot& s, const Cathedrales::Cathedrale& c, Spots::Marque m, const QDateTime& maintenant);
    // Greys the spots that became old and removes those past the hour.
    void vieillir(const QDateTime& maintenant);
    // Marks every spot again after a change of the log.
    template <class F>
    void remarquer(F marque) {
        if (entrees_.empty()) return;
        for (Spots::Entree& e : entrees_) e.marque = marque(e.spot);
        emit dataChanged(index(0, 0), index(rowCount() - 1, Spots::NbColonnes - 1));
    }

    const Spots::Entree* entree(int row) const;
    // The latest spot of this callsign and reference, on any band.
    const Spots::Entree* chercher(const QString& indicatif, const QString& reference) const;
    // Distinct references spotted that the log has never held.
    int nouvelles() const;

private:
    void retirer(int debut, int fin);

    // A deque keeps its elements in place as spots come in and age out.
    std::deque<Spots::Entree> entrees_;
    QDateTime maintenant_;
    quint64 arrivees_ = 0;
};
