#include "payroll/GZFile.h"

#include "amount/AmountText.h"
#include "files/LineFileWriter.h"

#include <algorithm>

namespace {

QString headText(const GZSummary& summary) {
    QString out = QStringLiteral("<?xml version=\"1.0\" encoding=\"GB2312\"?>\r\n");
    XmlLines::appendTag(out, 0, "<GZFile>");
    XmlLines::appendTag(out, 1, "<Summary>");
    XmlLines::appendElement(out, 2, "CurrencyType", QStringLiteral("01"));
    XmlLines::appendElement(out, 2, "Date", summary.date);
    XmlLines::appendElement(out, 2, "SumMoney", summary.sumMoney);
    XmlLines::appendElement(out, 2, "SumRecords", summary.sumRecords);
    XmlLines::appendTag(out, 1, "</Summary>");
    XmlLines::appendTag(out, 1, "<RecordList>");
    return out;
}

QString tailText() {
    QString out;
    XmlLines::appendTag(out, 1, "</RecordList>");
    XmlLines::appendTag(out, 0, "</GZFile>");
    return out;
}

void appendRecord(QString& out, const GZRecord& record, const QString& date, qsizetype orderNo) {
    XmlLines::appendTag(out, 2, "<Record>");
    XmlLines::appendElement(out, 3, "Date", date);
    XmlLines::appendElement(out, 3, "DetailSign", QStringLiteral("1"));
    XmlLines::appendElement(out, 3, "OrderNo", QString::number(orderNo));
    for (const GZField& field : kGZValueFields) {
        const QString& value = record.*field.member;
        XmlLines::appendElement(out, 3, field.element,
                                field.member == &GZRecord::money ? fileAmountText(value) : value);
    }
    XmlLines::appendTag(out, 2, "</Record>");
}

} // namespace

const std::vector<GZField> kGZValueFields = {
    {"RecAcc", &GZRecord::recAcc, "收款人账号"},
    {"RecAccName", &GZRecord::recAccName, "收款人名称"},
    {"Money", &GZRecord::money, "金额"},
    {"Comment", &GZRecord::comment, "备注"},
};

GZWriteResult writeGZFile(const QString& path, const GZSummary& summary, qsizetype count,
                          const GZRecordAt& recordAt) {
    using Status = GZWriteResult::Status;
    const LineFileResult written = writeGbkLineFile(
        path, headText(summary), count,
        [&](QString& out, qsizetype i) { appendRecord(out, recordAt(i), summary.date, i + 1); },
        tailText());
    switch (written.status) {
    case LineFileResult::Status::Written:
        return {};
    case LineFileResult::Status::Unrepresentable:
        return {Status::Unrepresentable,
                unrepresentableInstructionMessage(
                    written.record < 0 ? GZRecord{} : recordAt(written.record),
                    std::max<qsizetype>(written.record, 0), kGZValueFields,
                    QStringLiteral("代发工资/代报销文件"))};
    case LineFileResult::Status::FileError:
        break;
    }
    return {Status::FileError, written.detail};
}
