#include "page/GridTableModel.h"

#include <QApplication>
#include <QPalette>

GridTableModel::GridTableModel(Source source, QObject* parent)
    : QAbstractTableModel(parent)
    , source_(std::move(source)) {}

void GridTableModel::refresh() {
    beginResetModel();
    endResetModel();
}

int GridTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(source_.gridRowCount() - 1);
}

int GridTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : source_.columnCount();
}

QVariant GridTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return source_.cell(index.row() + 1, index.column());
    case Qt::TextAlignmentRole:
        if (index.column() == 0)
            return QVariant::fromValue(Qt::AlignCenter);
        return QVariant::fromValue(
            (source_.rightAligned.contains(index.column()) ? Qt::AlignRight : Qt::AlignLeft) |
            Qt::AlignVCenter);
    case Qt::BackgroundRole:
        if (index.column() == 0)
            return QApplication::palette().button();
        return {};
    default:
        return {};
    }
}

QVariant GridTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
        section >= source_.columnCount())
        return {};
    return source_.header(section);
}
