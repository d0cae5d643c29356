#include "payroll/GZFile.h"

#include "amount/AmountText.h"
#include "files/LineFileWriter.h"

#include <algorithm>

namespace {

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
        path,
        XmlLines::uploadFileHead("GZFile", summary.date, summary.sumMoney, summary.sumRecords),
        count,
        [&](QString& out, qsizetype i) { appendRecord(out, recordAt(i), summary.date, i + 1); },
        XmlLines::uploadFileTail("GZFile"));
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
