#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

#include <deque>
#include <string>
#include <vector>

// A fully fetched result: every row is in memory, so callers can count rows, walk them, move
// back to the first one and hand the whole set to a grid. Columns are found by name without
// regard to case, Chinese aliases included. Cells are kept compactly and turned into values
// only when read, so a list of many thousand rows is fetched without a string per cell.
class RecordSet {
public:
    explicit RecordSet(QStringList columns);

    // Filling, row by row: each row gets exactly columnCount() cells.
    void appendNull();
    void appendInteger(qint64 value);
    void appendReal(double value);
    void appendText(const char* utf8, int size);

    int rowCount() const { return columns_.isEmpty() ? 0 : int(cells_.size() / columns_.size()); }
    int columnCount() const { return static_cast<int>(columns_.size()); }
    const QStringList& columns() const { return columns_; }
    int columnIndex(const QString& name) const; // -1 when there is no such column

    // The cursor: starts on the first row.
    bool atEnd() const { return current_ >= rowCount(); }
    void moveFirst() { current_ = 0; }
    void moveNext();

    // The current row's value; an invalid QVariant past the end or for an unknown column.
    QVariant value(const QString& column) const;
    QString text(const QString& column) const { return value(column).toString(); }

    QVariant value(int row, int column) const;
    QVariant value(int row, const QString& column) const;

private:
    // Cells and texts grow in blocks that are never moved, so fetching many rows neither copies
    // what was fetched before nor touches fresh memory twice.
    struct TextPlace {
        quint32 block;
        quint32 offset;
    };
    struct Cell {
        enum class Kind : quint8 { Null, Integer, Real, Text } kind;
        quint32 textSize;
        union {
            qint64 integer;
            double real;
            TextPlace text;
        };
    };

    QStringList columns_;
    std::deque<Cell> cells_;              // row by row
    std::vector<std::string> textBlocks_; // the UTF-8 bytes of every text cell
    int current_ = 0;
};
