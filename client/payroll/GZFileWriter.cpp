#include "payroll/GZFile.h"

#include "amount/AmountText.h"
#include "files/LineFileWriter.h"

namespace {

// Always two decimals and no separators: 1234.5 gives 1234.50, an empty amount 0.00.
QString fileMoney(const QString& stored) {
    return removeThousandSeparators(formatAmount(stored.trimmed()));
}

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
                                field.member == &GZRecord::money ? fileMoney(value) : value);
    }
    XmlLines::appendTag(out, 2, "</Record>");
}

QString unrepresentableMessage(const GZRecord& record, qsizetype index) {
    for (const GZField& field : kGZValueFields) {
        const QString character = firstNonGbkCharacter(record.*field.member);
        if (character.isEmpty())
            continue;
        return QStringLiteral("第%1条指令（流水号%2）的“%3”含有GBK编码无法表示的字符“%4”，"
                              "代发工资/代报销文件未生成")
            .arg(index + 1)
            .arg(record.serialNo, QString::fromUtf8(field.caption), character);
    }
    return QStringLiteral(
        "代发工资/代报销文件含有GBK编码无法表示的字符，代发工资/代报销文件未生成");
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
                written.record < 0
                    ? unrepresentableMessage({}, 0)
                    : unrepresentableMessage(recordAt(written.record), written.record)};
    case LineFileResult::Status::FileError:
        break;
    }
    return {Status::FileError, written.detail};
}
