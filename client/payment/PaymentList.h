#pragma once

#include "amount/BatchTotals.h"
#include "store/RecordSet.h"

#include <QString>

#include <array>
#include <optional>

class DBAccess;

// The current batch as the payment tab shows it: the rows of the list query with their
// descriptions, and the status figures counted over every row of `payment`.
class PaymentList {
public:
    static constexpr int kColumns = 15; // the row number, then the 14 columns of the list query
    static const std::array<QString, kColumns> kHeaders;
    static constexpr int kSerialColumn = 1;
    static constexpr int kPayAccColumn = 2;
    static constexpr int kRecAccColumn = 5;
    static constexpr int kAmountColumn = 13;

    using Row = std::array<QString, kColumns - 1>; // columns 1..14

    // Reruns both queries; on a failed query the list shows no rows and zero totals.
    void reload(DBAccess& db);

    // Listed instructions; the grid shows one more (blank) row when there are none.
    qsizetype size() const { return rows_ ? rows_->rowCount() : 0; }
    bool empty() const { return size() == 0; }
    // The columns 1..14 of grid row `row` (1 for the first instruction).
    Row row(qsizetype row) const;

    // The grid's cell, by grid position: row 1 is the first instruction, column 0 its number. An
    // empty batch shows one blank row numbered 1.
    QString cell(qsizetype row, int column) const;
    // Rows of the grid, the header row included (at least 2).
    qsizetype gridRowCount() const { return 1 + std::max<qsizetype>(1, size()); }

    const QString& countText() const { return totals_.count; }
    const QString& totalText() const { return totals_.total; }
    const QString& capitalText() const { return totals_.capital; }

private:
    // The list query's rows as fetched; cells are read from them when shown.
    std::optional<RecordSet> rows_;
    std::array<int, kColumns - 1> sources_{};
    BatchTotals totals_;
};
