#pragma once

#include <QString>

// The largest single amount in yuan; exactly this amount is still accepted.
inline constexpr double MAX_SINGLE_AMOUNT = 100000000000.00;

QString removeThousandSeparators(const QString& text);

// Digits with at most one point and at most two digits after it; no sign, blanks or separators.
bool isAmountFormat(const QString& plain);

// For a text ending in a point and two decimals: "," between groups of three integer digits.
QString insertThousandSeparators(const QString& text);

// Display forms of a plain amount that passed isAmountFormat. Extra decimals are cut, never
// rounded.
QString formatAmount(const QString& plain); // always two decimals
// As upload files carry amounts: two decimals, no separators; 0.5 gives 0.50, "" gives 0.00.
QString fileAmountText(const QString& stored);
QString formatAmountTyped(const QString& plain); // as many decimals as were typed

enum class AmountRange { Ok, TooLarge, NotPositive };

// Compares the amount as a double with MAX_SINGLE_AMOUNT and zero.
AmountRange amountRange(const QString& plain);
