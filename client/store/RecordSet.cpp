#include "store/RecordSet.h"

#include <algorithm>

namespace {

constexpr std::size_t kTextBlockSize = 1 << 20;

} // namespace

RecordSet::RecordSet(QStringList columns)
    : columns_(std::move(columns)) {}

void RecordSet::appendNull() {
    cells_.push_back({Cell::Kind::Null, 0, {}});
}

void RecordSet::appendInteger(qint64 value) {
    Cell cell{Cell::Kind::Integer, 0, {}};
    cell.integer = value;
    cells_.push_back(cell);
}

void RecordSet::appendReal(double value) {
    Cell cell{Cell::Kind::Real, 0, {}};
    cell.real = value;
    cells_.push_back(cell);
}

void RecordSet::appendText(const char* utf8, int size) {
    const auto bytes = static_cast<std::size_t>(size);
    if (textBlocks_.empty() || textBlocks_.back().capacity() - textBlocks_.back().size() < bytes) {
        textBlocks_.emplace_back();
        textBlocks_.back().reserve(std::max(kTextBlockSize, bytes));
    }
    std::string& block = textBlocks_.back();
    Cell cell{Cell::Kind::Text, static_cast<quint32>(size), {}};
    cell.text = {static_cast<quint32>(textBlocks_.size() - 1), static_cast<quint32>(block.size())};
    block.append(utf8, bytes);
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
        return QString::fromUtf8(textBlocks_[cell.text.block].data() + cell.text.offset,
                                 cell.textSize);
    case Cell::Kind::Null:
        break;
    }
    return {};
}
