#include "RecordSet.h"

RecordSet::RecordSet(QStringList columns)
    : columns_(std::move(columns)) {}

void RecordSet::appendNull() {
    Cell cell{Cell::Kind::Null, {}};
    cells_.push_back(cell);
}

void RecordSet::appendInteger(qint64 value) {
    Cell cell{Cell::Kind::Integer, {}};
    cell.integer = value;
    cells_.push_back(cell);
}

void RecordSet::appendReal(double value) {
    Cell cell{Cell::Kind::Real, {}};
    cell.real = value;
    cells_.push_back(cell);
}

void RecordSet::appendText(const char* utf8, int size) {
    Cell cell{Cell::Kind::Text, {}};
    cell.text = {static_cast<quint32>(texts_.size()), static_cast<quint32>(size)};
    texts_.append(utf8, static_cast<size_t>(size));
    cells_.push_back(cell);
}

int RecordSet::columnIndex(const QString& name) const {
    for (int i = 0; i < columns_.size(); ++i)
        if (columns_[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

void RecordSet::moveNext() {
    if (current_ < rowCount())
        ++current_;
}

QVariant RecordSet::value(const QString& column) const {
    return value(current_, columnIndex(column));
}

QVariant RecordSet::value(int row, const QString& column) const {
    return value(row, columnIndex(column));
}

QVariant RecordSet::value(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return {};
    const Cell& cell = cells_[static_cast<size_t>(row) * columns_.size() + column];
    switch (cell.kind) {
    case Cell::Kind::Integer:
        return QVariant::fromValue<qlonglong>(cell.integer);
    case Cell::Kind::Real:
        return cell.real;
    case Cell::Kind::Text:
        return QString::fromUtf8(texts_.data() + cell.text.offset, cell.text.size);
    case Cell::Kind::Null:
        break;
    }
    return {};
}
