#pragma once
#include <QAbstractListModel>

#include "core/diplomes/Rapports.h"

// A list of report entries that decodes only the rows a view asks for.
class ModeleEntrees : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    void remplacer(Rapports::Entrees entrees) {
        beginResetModel();
        entrees_ = std::move(entrees);
        endResetModel();
    }
    const Rapports::Entrees& entrees() const { return entrees_; }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : int(entrees_.taille());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= rowCount() || (role != Qt::DisplayRole && role != Qt::EditRole))
            return {};
        return entrees_.texte(index.row());
    }

private:
    Rapports::Entrees entrees_;
};
