#include "amount/BatchTotals.h"

#include "amount/AmountConvert.h"
#include "amount/AmountFen.h"
#include "amount/AmountText.h"
#include "store/DBAccess.h"

BatchTotals BatchTotals::query(DBAccess& db, const QString& totalsQuery) {
    BatchTotals totals;
    const std::optional<RecordSet> row = db.Query(totalsQuery);
    if (!row || row->rowCount() == 0)
        return totals;
    totals.count = row->value(0, QStringLiteral("totalNum")).toString();
    if (totals.count != QStringLiteral("0"))
        totals.total =
            formatAmount(fenToAmount(row->value(0, QStringLiteral("totalFen")).toLongLong()));
    totals.capital = convertToCapital(removeThousandSeparators(totals.total));
    return totals;
}
