#pragma once
#include <QAbstractListModel>
#include <QByteArrayList>

// The log list's rows: the stored lines as read, each shown as its numbered
// display line only when the view asks for it.
class ModeleLog : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    void setLignes(QByteArrayList lignes);
    const QByteArrayList& lignes() const { return lignes_; }
    QString affichage(int row) const;
    QStringList affichages() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    QByteArrayList lignes_;
};
