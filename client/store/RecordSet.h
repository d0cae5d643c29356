#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

#include <vector>

// A fully fetched result: every row is in memory, so callers can count rows, walk them, move
// back to the first one and hand the whole set to a grid. Columns are found by name without
// regard to case, Chinese aliases included.
class RecordSet {
public:
    RecordSet(QStringList columns, std::vector<QVariantList> rows);

    int rowCount() const { return static_cast<int>(rows_.size()); }
    int columnCount() const { return static_cast<int>(columns_.size()); }
    const QStringList& columns() const { return columns_; }
    int columnIndex(const QString& name) const; // -1 when there is no such column

    // The cursor: starts on the first row.
    bool atEnd() const { return current_ >= rows_.size(); }
    void moveFirst() { current_ = 0; }
    void moveNext();

    // The current row's value; an invalid QVariant past the end or for an unknown column.
    QVariant value(const QString& column) const;
    QString text(const QString& column) const { return value(column).toString(); }

    QVariant value(int row, int column) const;
    QVariant value(int row, const QString& column) const;

private:
    QStringList columns_;
    std::vector<QVariantList> rows_;
    size_t current_ = 0;
};
