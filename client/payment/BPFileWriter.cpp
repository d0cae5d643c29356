#include "payment/BPFile.h"

#include "amount/AmountText.h"
#include "files/LineFileWriter.h"

#include <algorithm>

namespace {

void appendRecord(QString& out, const BPRecord& record, const QString& date, qsizetype orderNo) {
    XmlLines::appendTag(out, 2, "<Record>");
    XmlLines::appendElement(out, 3, "CurrencyType", QStringLiteral("01"));
    XmlLines::appendElement(out, 3, "Date", date);
    XmlLines::appendElement(out, 3, "OrderNo", QString::number(orderNo));
    for (const BPField& field : kBPValueFields) {
        const QString& value = record.*field.member;
        XmlLines::appendElement(out, 3, field.element,
                                field.member == &BPRecord::money ? fileAmountText(value) : value);
    }
    XmlLines::appendTag(out, 2, "</Record>");
}

} // namespace

const std::vector<BPField> kBPValueFields = {
    {"PayAcc", &BPRecord::payAcc, "付款账号"},
    {"PayAccName", &BPRecord::payAccName, "付款账户户名"},
    {"transferType", &BPRecord::transferType, "收款账户行别"},
    {"RecAcc", &BPRecord::recAcc, "收款账号"},
    {"RecAccName", &BPRecord::recAccName, "收款账户户名"},
    {"Money", &BPRecord::money, "付款金额"},
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
    using Status = BPWriteResult::Status;
    const LineFileResult written = writeGbkLineFile(
        path,
        XmlLines::uploadFileHead("BPFile", summary.date, summary.sumMoney, summary.sumRecords),
        count,
        [&](QString& out, qsizetype i) { appendRecord(out, recordAt(i), summary.date, i + 1); },
        XmlLines::uploadFileTail("BPFile"));
    switch (written.status) {
    case LineFileResult::Status::Written:
        return {};
    case LineFileResult::Status::Unrepresentable:
        return {Status::Unrepresentable,
                unrepresentableInstructionMessage(written.record < 0 ? BPRecord{}
                                                                     : recordAt(written.record),
                                                  std::max<qsizetype>(written.record, 0),
                                                  kBPValueFields, QStringLiteral("批量支付文件"))};
    case LineFileResult::Status::FileError:
        break;
    }
    return {Status::FileError, written.detail};
}
