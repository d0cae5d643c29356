#include "refdata/RefTableModel.h"

#include <QApplication>
#include <QPalette>

RefTableModel::RefTableModel(const RefList& list, QObject* parent)
    : QAbstractTableModel(parent)
    , list_(list) {}

void RefTableModel::refresh() {
    beginResetModel();
    endResetModel();
}

int RefTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(list_.gridRowCount() - 1);
}

int RefTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : list_.columnCount();
}

QVariant RefTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        // The blank row of an empty list has no number either.
        return list_.empty() ? QString() : list_.cell(index.row() + 1, index.column());
    case Qt::TextAlignmentRole:
        return QVariant::fromValue((index.column() == 0 ? Qt::AlignHCenter : Qt::AlignLeft) |
                                   Qt::AlignVCenter);
    case Qt::BackgroundRole:
        if (index.column() == 0)
            return QApplication::palette().button();
        return {};
    default:
        return {};
    }
}

QVariant RefTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
        section >= list_.columnCount())
        return {};
    return list_.headers()[section];
}
