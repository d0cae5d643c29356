#include "payment/PaymentTableModel.h"

PaymentTableModel::PaymentTableModel(const PaymentList& list, QObject* parent)
    : QAbstractTableModel(parent)
    , list_(list) {}

void PaymentTableModel::refresh() {
    beginResetModel();
    endResetModel();
}

int PaymentTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(list_.gridRowCount() - 1);
}

int PaymentTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : PaymentList::kColumns;
}

QVariant PaymentTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return list_.cell(index.row() + 1, index.column());
    if (role == Qt::TextAlignmentRole && index.column() == PaymentList::kAmountColumn)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant PaymentTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
        section >= PaymentList::kColumns)
        return {};
    return PaymentList::kHeaders[static_cast<size_t>(section)];
}
