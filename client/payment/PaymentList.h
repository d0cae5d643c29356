#pragma once

#include "amount/BatchList.h"

#include <QString>

#include <array>

// The current batch as the payment tab shows it: the row number and the 14 columns of the list
// query with their descriptions, and the status figures counted over every row of `payment`.
class PaymentList : public BatchList<15> {
public:
    static const std::array<QString, kColumns> kHeaders;
    static constexpr int kSerialColumn = 1;
    static constexpr int kPayAccColumn = 2;
    static constexpr int kRecAccColumn = 5;
    static constexpr int kAmountColumn = 13;

    using Row = std::array<QString, kColumns - 1>; // columns 1..14

    // Reruns both queries; on a failed query the list shows no rows and zero totals.
    void reload(DBAccess& db);

    // The columns 1..14 of grid row `row` (1 for the first instruction).
    Row row(qsizetype row) const;

    // The grid's cell, by grid position: row 1 is the first instruction, column 0 its number. An
    // empty batch shows one blank row numbered 1.
    QString cell(qsizetype row, int column) const;
};
