#pragma once
#include <QAbstractListModel>

class Carnet;

// The log list's rows: the log object's lines, each shown as its numbered
// display line only when the view asks for it. Follows every change.
class ModeleLog : public QAbstractListModel {
    Q_OBJECT
public:
    explicit ModeleLog(const Carnet* carnet, QObject* parent = nullptr);

    QString affichage(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    const Carnet* carnet_;
};
