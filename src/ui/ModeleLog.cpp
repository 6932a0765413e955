#include "ui/ModeleLog.h"

#include "core/journal/LigneQso.h"
#include "core/journal/TextFile.h"

void ModeleLog::setLignes(QByteArrayList lignes) {
    beginResetModel();
    lignes_ = std::move(lignes);
    endResetModel();
}

QString ModeleLog::affichage(int row) const {
    if (row < 0 || row >= lignes_.size()) return {};
    return LigneQso::affichage(TextFile::decode(lignes_.at(row)), row + 1);
}

QStringList ModeleLog::affichages() const {
    QStringList out;
    out.reserve(lignes_.size());
    for (int i = 0; i < lignes_.size(); ++i) out.append(affichage(i));
    return out;
}

int ModeleLog::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(lignes_.size());
}

QVariant ModeleLog::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid()) return {};
    return affichage(index.row());
}
