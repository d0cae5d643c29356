#pragma once

#include "refdata/RefList.h"

#include <QAbstractTableModel>

// A reference grid's model: the list's rows below its headers; column 0, the running number,
// is drawn like a fixed column.
class RefTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit RefTableModel(const RefList& list, QObject* parent = nullptr);

    // Call after the list was reloaded or its headers changed.
    void refresh();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    const RefList& list_;
};
