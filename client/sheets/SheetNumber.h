#pragma once

#include <QString>

#include <optional>

// Numbers stored in a sheet are binary doubles: 1234.1 is written as 1234.0999999999999.

// The shortest decimal text that reads back as the same double, without exponent: "1234.1".
// Nothing when `raw` is not a finite number.
std::optional<QString> shortestDecimal(const QString& raw);

// A plain decimal text rounded half up to two decimals: "0.30000000000000004" gives "0.30".
// Texts that are not plain decimals are returned as they are.
QString roundToFen(const QString& decimal);
