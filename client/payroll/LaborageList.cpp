#include "payroll/LaborageList.h"

#include "amount/AmountText.h"

namespace {

// Summed by the database in whole fen (64-bit integers), never in binary floating point.
const QString kTotalsQuery =
    QStringLiteral("select count(pay_amount) as totalNum,"
                   "sum(cast(round(pay_amount*100) as integer)) as totalFen from laborage");

const QString kListQuery =
    QStringLiteral("select a.serial_no as 流水号,a.acc_no as 账号,a.acc_name as 户名,"
                   "a.pay_amount as 金额,a.remark as 备注 from laborage a order by a.serial_no");

} // namespace

const std::array<QString, LaborageList::kColumns> LaborageList::kHeaders = {
    QStringLiteral("序号"), QStringLiteral("流水号"), QStringLiteral("账号"),
    QStringLiteral("户名"), QStringLiteral("金额"),   QStringLiteral("备注")};

QString storedAmountText(const QVariant& value) {
    if (value.typeId() == QMetaType::Double)
        return QString::number(value.toDouble(), 'f', 2);
    return value.toString();
}

void LaborageList::reload(DBAccess& db) {
    *this = LaborageList();
    BatchList::reload(db, kTotalsQuery, kListQuery, kHeaders);
}

QString LaborageList::cell(qsizetype row, int column) const {
    if (column != kAmountColumn || !holds(row))
        return text(row, column);
    return formatAmount(storedAmountText(value(row, column)).trimmed());
}
