#include "payroll/LaborageTableModel.h"

#include <QApplication>
#include <QPalette>

LaborageTableModel::LaborageTableModel(const LaborageList& list, QObject* parent)
    : QAbstractTableModel(parent)
    , list_(list) {}

void LaborageTableModel::refresh() {
    beginResetModel();
    endResetModel();
}

int LaborageTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(list_.gridRowCount() - 1);
}

int LaborageTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : LaborageList::kColumns;
}

QVariant LaborageTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return list_.cell(index.row() + 1, index.column());
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(index.column() == 0 ? Qt::AlignCenter
                                                       : Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        if (index.column() == 0)
            return QApplication::palette().button();
        return {};
    default:
        return {};
    }
}

QVariant LaborageTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
        section >= LaborageList::kColumns)
        return {};
    return LaborageList::kHeaders[static_cast<size_t>(section)];
}
