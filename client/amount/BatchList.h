#pragma once

#include "amount/BatchTotals.h"
#include "store/DBAccess.h"
#include "store/RecordSet.h"

#include <QString>
#include <QVariant>

#include <algorithm>
#include <array>
#include <optional>

// A batch as its tab lists it: the rows of the list query, read in place, and the status figures
// counted over the whole batch. The grid has `Columns` columns: the row number, then one per
// query column, found by the caption the query gives it.
template <int Columns> class BatchList {
public:
    static constexpr int kColumns = Columns;

    // Listed instructions; the grid shows one blank row when there are none.
    qsizetype size() const { return rows_ ? rows_->rowCount() : 0; }
    bool empty() const { return size() == 0; }
    // Rows of the grid, the header row included (at least 2).
    qsizetype gridRowCount() const { return 1 + std::max<qsizetype>(1, size()); }

    const QString& countText() const { return totals_.count; }
    const QString& totalText() const { return totals_.total; }
    const QString& capitalText() const { return totals_.capital; }

protected:
    // Reruns both queries; on a failed query the list shows no rows and zero totals.
    void reload(DBAccess& db, const QString& totalsQuery, const QString& listQuery,
                const std::array<QString, Columns>& headers) {
        totals_ = BatchTotals::query(db, totalsQuery);
        rows_ = db.Query(listQuery);
        if (!rows_)
            return;
        for (int column = 1; column < Columns; ++column)
            sources_[static_cast<size_t>(column - 1)] =
                rows_->columnIndex(headers[static_cast<size_t>(column)]);
    }

    // Whether grid row `row` (1 for the first) is an instruction.
    bool holds(qsizetype row) const { return row >= 1 && row <= size(); }
    // The grid's cell as the query gives it, by grid position: row 1 is the first instruction,
    // column 0 its number. An empty batch shows one blank row numbered 1.
    QString text(qsizetype row, int column) const {
        if (row < 1 || column < 0 || column >= Columns)
            return {};
        if (column == 0)
            return QString::number(row);
        return holds(row) ? value(row, column).toString() : QString();
    }
    // The query's value of an instruction's cell (`holds(row)`, column 1 or above).
    QVariant value(qsizetype row, int column) const {
        return rows_->value(static_cast<int>(row - 1), sources_[static_cast<size_t>(column - 1)]);
    }

private:
    // The list query's rows as fetched; cells are read from them when shown.
    std::optional<RecordSet> rows_;
    std::array<int, Columns - 1> sources_{};
    BatchTotals totals_;
};
