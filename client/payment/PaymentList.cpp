#include "PaymentList.h"

#include "AmountConvert.h"
#include "AmountFen.h"
#include "AmountText.h"
#include "DBAccess.h"

namespace {

// Summed here to the fen, not by the database in binary floating point.
const QString kAmountsQuery = QStringLiteral("select pay_amt from payment");

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
    if (const std::optional<RecordSet> amounts = db.Query(kAmountsQuery)) {
        AmountTotal total;
        for (int row = 0; row < amounts->rowCount(); ++row)
            total.add(amounts->value(row, 0).toString());
        count_ = QString::number(amounts->rowCount());
        if (amounts->rowCount() > 0)
            total_ = formatAmount(total.text());
        capital_ = convertToCapital(removeThousandSeparators(total_));
    }
    const std::optional<RecordSet> list = db.Query(kListQuery);
    if (!list)
        return;
    rows_.resize(static_cast<size_t>(list->rowCount()));
    for (int column = 0; column < kColumns - 1; ++column) {
        const int source = list->columnIndex(kHeaders[static_cast<size_t>(column + 1)]);
        for (int row = 0; row < list->rowCount(); ++row)
            rows_[static_cast<size_t>(row)][static_cast<size_t>(column)] =
                list->value(row, source).toString();
    }
    for (Row& row : rows_)
        row[kAmountColumn - 1] = formatAmount(row[kAmountColumn - 1]);
}

QString PaymentList::cell(qsizetype row, int column) const {
    if (row < 1 || column < 0 || column >= kColumns)
        return {};
    if (column == 0)
        return QString::number(row);
    if (row > static_cast<qsizetype>(rows_.size()))
        return {};
    return rows_[static_cast<size_t>(row - 1)][static_cast<size_t>(column - 1)];
}
