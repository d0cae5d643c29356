#include "payment/BPFile.h"

#include "amount/AmountText.h"

namespace {

void appendLeading(QString& out, const QString& date, qsizetype orderNo) {
    XmlLines::appendElement(out, 3, "CurrencyType", QStringLiteral("01"));
    XmlLines::appendElement(out, 3, "Date", date);
    XmlLines::appendElement(out, 3, "OrderNo", QString::number(orderNo));
}

} // namespace

const std::vector<BPField> kBPValueFields = {
    {"PayAcc", &BPRecord::payAcc, "付款账号"},
    {"PayAccName", &BPRecord::payAccName, "付款账户户名"},
    {"transferType", &BPRecord::transferType, "收款账户行别"},
    {"RecAcc", &BPRecord::recAcc, "收款账号"},
    {"RecAccName", &BPRecord::recAccName, "收款账户户名"},
    {"Money", &BPRecord::money, "付款金额", fileAmountText},
    {"Usage", &BPRecord::usage, "备注"},
    {"remitType", &BPRecord::remitType, "转账类型"},
    {"recAccountOpenBank", &BPRecord::recAccountOpenBank, "收款银行名称"},
    {"sameCityLiquidateNo", &BPRecord::sameCityLiquidateNo, "同城清算行号"},
    {"province", &BPRecord::province, "汇入省"},
    {"city", &BPRecord::city, "汇入市"},
    {"presentPayNo", &BPRecord::presentPayNo, "现代支付行号"},
};

BPWriteResult writeBPFile(const QString& path, const BPSummary& summary, qsizetype count,
                          const BPRecordAt& recordAt) {
    return writeUploadFile<BPRecord>(
        {"BPFile", appendLeading, kBPValueFields, QStringLiteral("批量支付文件")}, path, summary,
        count, recordAt);
}
