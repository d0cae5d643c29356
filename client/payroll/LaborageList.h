#pragma once

#include "amount/BatchList.h"

#include <QString>

#include <array>

// The current payroll batch as the payroll tab shows it: the row number and the 5 columns of
// the list query, and the status figures counted over every row of `laborage`.
class LaborageList : public BatchList<6> {
public:
    static const std::array<QString, kColumns> kHeaders;
    static constexpr int kSerialColumn = 1;
    static constexpr int kAccountColumn = 2;
    static constexpr int kNameColumn = 3;
    static constexpr int kAmountColumn = 4;
    static constexpr int kRemarkColumn = 5;

    // Reruns both queries; on a failed query the list shows no rows and zero totals.
    void reload(DBAccess& db);

    // The grid's cell, by grid position: row 1 is the first instruction, column 0 its number, the
    // amount in the display form with two decimals. An empty batch shows one blank row numbered 1.
    QString cell(qsizetype row, int column) const;
    // Whether the grid shows an instruction: more than one row and a serial in row 1.
    bool showsInstructions() const { return !cell(1, kSerialColumn).trimmed().isEmpty(); }
};

// A stored amount as text: a numeric column may hand back a floating-point value, which is
// written with its two decimals rather than in exponent form.
QString storedAmountText(const QVariant& value);
