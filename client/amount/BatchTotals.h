#pragma once

#include <QString>

class DBAccess;

// What a batch tab's status bar shows: the count, the total with separators ("0.00" for an empty
// batch) and the total in capitals ("" for an empty batch), from a query whose one row gives
// `totalNum` and `totalFen` (the sum in whole fen, so no binary rounding creeps in).
struct BatchTotals {
    QString count = QStringLiteral("0");
    QString total = QStringLiteral("0.00");
    QString capital;

    static BatchTotals query(DBAccess& db, const QString& totalsQuery);
};
