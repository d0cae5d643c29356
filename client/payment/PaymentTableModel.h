#pragma once

#include "payment/PaymentList.h"

#include <QAbstractTableModel>

// The payment grid's model: reads the list in place, so 100 000 rows cost no widget per cell.
class PaymentTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit PaymentTableModel(const PaymentList& list, QObject* parent = nullptr);

    // Call after the list was reloaded.
    void refresh();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    const PaymentList& list_;
};
