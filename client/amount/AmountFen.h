#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// Exact money: amounts as whole fen in 64 bits, so totals never pick up binary rounding.

// The amount text (separators and surrounding blanks allowed) in fen; nothing when the text is
// not an amount or does not fit.
std::optional<qint64> amountToFen(const QString& amountText);

// Plain amount text with two decimals: 123456 gives "1234.56".
QString fenToAmount(qint64 fen);

class AmountTotal {
public:
    // Adds one amount; false, leaving the total as it was, when the text is not an amount or
    // the total would overflow.
    bool add(const QString& amountText);

    qint64 fen() const { return fen_; }
    QString text() const { return fenToAmount(fen_); }

private:
    qint64 fen_ = 0;
};
