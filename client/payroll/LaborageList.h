#pragma once

#include "amount/BatchTotals.h"
#include "store/RecordSet.h"

#include <QString>

#include <array>
#include <optional>

class DBAccess;

// The current payroll batch as the payroll tab shows it: the rows of the list query and the
// status figures counted over every row of `laborage`.
class LaborageList {
public:
    static constexpr int kColumns = 6; // the row number, then the 5 columns of the list query
    static const std::array<QString, kColumns> kHeaders;
    static constexpr int kSerialColumn = 1;
    static constexpr int kAccountColumn = 2;
    static constexpr int kNameColumn = 3;
    static constexpr int kAmountColumn = 4;
    static constexpr int kRemarkColumn = 5;

    // Reruns both queries; on a failed query the list shows no rows and zero totals.
    void reload(DBAccess& db);

    // Listed instructions; the grid shows one blank row when there are none.
    qsizetype size() const { return rows_ ? rows_->rowCount() : 0; }
    bool empty() const { return size() == 0; }

    // The grid's cell, by grid position: row 1 is the first instruction, column 0 its number, the
    // amount in the display form with two decimals. An empty batch shows one blank row numbered 1.
    QString cell(qsizetype row, int column) const;
    // Rows of the grid, the header row included (at least 2).
    qsizetype gridRowCount() const { return 1 + std::max<qsizetype>(1, size()); }
    // Whether the grid shows an instruction: more than one row and a serial in row 1.
    bool showsInstructions() const { return !cell(1, kSerialColumn).trimmed().isEmpty(); }

    const QString& countText() const { return totals_.count; }
    const QString& totalText() const { return totals_.total; }
    const QString& capitalText() const { return totals_.capital; }

private:
    std::optional<RecordSet> rows_;
    std::array<int, kColumns - 1> sources_{};
    BatchTotals totals_;
};

// A stored amount as text: a numeric column may hand back a floating-point value, which is
// written with its two decimals rather than in exponent form.
QString storedAmountText(const QVariant& value);
