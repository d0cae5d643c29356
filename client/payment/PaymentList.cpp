#include "payment/PaymentList.h"

#include "amount/AmountText.h"

namespace {

// Summed by the database in whole fen (64-bit integers), never in binary floating point.
const QString kTotalsQuery =
    QStringLiteral("select count(serial_no) as totalNum,"
                   "sum(cast(round(pay_amt*100) as integer)) as totalFen from payment");

const QString kListQuery = QStringLiteral(
    "select p.serial_no as 指令序号,p.pay_acc_no as 付款账号,p.pay_acc_name as 付款账户户名,"
    "t.tran_desc as 收款账户行别,"
    "p.rec_acc_no as 收款账号,p.rec_acc_name as 收款账户户名,"
    "rt.remit_type as  转账类型, p.rec_bank_name as 收款银行名称,"
    "p.same_city_liquidate_no as 同城清算行号,p.province as 汇入省, p.city as 汇入市,"
    "p.presentBankNo as 现代支付行号,p.pay_amt as 付款金额,p.remark as 备注"
    " from payment p,tran_acc_type t ,remit_type rt where p.rec_acc_type = t.tran_type and "
    "rt.remit_type_no = p.remit_type order by p.serial_no");

} // namespace

const std::array<QString, PaymentList::kColumns> PaymentList::kHeaders = {
    QStringLiteral("序号"),         QStringLiteral("指令序号"),     QStringLiteral("付款账号"),
    QStringLiteral("付款账户户名"), QStringLiteral("收款账户行别"), QStringLiteral("收款账号"),
    QStringLiteral("收款账户户名"), QStringLiteral("转账类型"),     QStringLiteral("收款银行名称"),
    QStringLiteral("同城清算行号"), QStringLiteral("汇入省"),       QStringLiteral("汇入市"),
    QStringLiteral("现代支付行号"), QStringLiteral("付款金额"),     QStringLiteral("备注")};

void PaymentList::reload(DBAccess& db) {
    *this = PaymentList();
    BatchList::reload(db, kTotalsQuery, kListQuery, kHeaders);
}

QString PaymentList::cell(qsizetype row, int column) const {
    if (column != kAmountColumn || !holds(row))
        return text(row, column);
    return formatAmount(value(row, column).toString());
}

PaymentList::Row PaymentList::row(qsizetype row) const {
    Row cells;
    for (int column = 1; column < kColumns; ++column)
        cells[static_cast<size_t>(column - 1)] = cell(row, column);
    return cells;
}
