#include "ui/ModeleLog.h"

#include "core/journal/Carnet.h"
#include "core/journal/LigneQso.h"

ModeleLog::ModeleLog(const Carnet* carnet, QObject* parent) : QAbstractListModel(parent), carnet_(carnet) {
    connect(carnet_, &Carnet::modifie, this, [this] {
        beginResetModel();
        endResetModel();
    });
}

QString ModeleLog::affichage(int row) const {
    if (row < 0 || row >= carnet_->nombre()) return {};
    return LigneQso::affichage(carnet_->texte(row), row + 1);
}

int ModeleLog::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(carnet_->nombre()); }

QVariant ModeleLog::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid()) return {};
    return affichage(index.row());
}
