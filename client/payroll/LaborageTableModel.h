#pragma once

#include "payroll/LaborageList.h"

#include <QAbstractTableModel>

// The payroll grid's model: reads the list in place, so 100 000 rows cost no widget per cell.
// Column 0, the running number, looks like a fixed header column.
class LaborageTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit LaborageTableModel(const LaborageList& list, QObject* parent = nullptr);

    // Call after the list was reloaded.
    void refresh();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    const LaborageList& list_;
};
