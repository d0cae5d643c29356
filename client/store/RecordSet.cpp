#include "RecordSet.h"

RecordSet::RecordSet(QStringList columns, std::vector<QVariantList> rows)
    : columns_(std::move(columns))
    , rows_(std::move(rows)) {}

int RecordSet::columnIndex(const QString& name) const {
    for (int i = 0; i < columns_.size(); ++i)
        if (columns_[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

void RecordSet::moveNext() {
    if (current_ < rows_.size())
        ++current_;
}

QVariant RecordSet::value(const QString& column) const {
    return value(static_cast<int>(current_), columnIndex(column));
}

QVariant RecordSet::value(int row, const QString& column) const {
    return value(row, columnIndex(column));
}

QVariant RecordSet::value(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return {};
    return rows_[static_cast<size_t>(row)][column];
}
