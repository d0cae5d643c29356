#include "payment/BPFile.h"

#include "amount/AmountText.h"
#include "config/GbkCodec.h"
#include "files/XmlText.h"

#include <QSaveFile>

namespace {

// Records are encoded and written a few at a time: the buffers stay small enough to be reused
// from the heap instead of being mapped afresh for every chunk.
const qsizetype kRecordsPerChunk = 64;

const QString kTab1 = QStringLiteral("\t");
const QString kTab2 = QStringLiteral("\t\t");
const QString kTab3 = QStringLiteral("\t\t\t");
const QString kEol = QStringLiteral("\r\n");

void appendElement(QString& out, const QString& indent, const char* name, const QString& value) {
    out += indent;
    out += '<';
    out += QLatin1String(name);
    out += '>';
    out += XmlText::escape(value);
    out += QLatin1String("</");
    out += QLatin1String(name);
    out += '>';
    out += kEol;
}

// Always two decimals and no separators: 0.5 gives 0.50, an empty amount 0.00.
QString fileMoney(const QString& stored) {
    return removeThousandSeparators(formatAmount(stored.trimmed()));
}

QString headerText(const BPSummary& summary) {
    QString out = QStringLiteral("<?xml version=\"1.0\" encoding=\"GB2312\"?>") + kEol +
                  QStringLiteral("<BPFile>") + kEol + kTab1 + QStringLiteral("<Summary>") + kEol;
    appendElement(out, kTab2, "CurrencyType", QStringLiteral("01"));
    appendElement(out, kTab2, "Date", summary.date);
    appendElement(out, kTab2, "SumMoney", summary.sumMoney);
    appendElement(out, kTab2, "SumRecords", summary.sumRecords);
    out += kTab1 + QStringLiteral("</Summary>") + kEol;
    out += kTab1 + QStringLiteral("<RecordList>") + kEol;
    return out;
}

QString footerText() {
    return kTab1 + QStringLiteral("</RecordList>") + kEol + QStringLiteral("</BPFile>") + kEol;
}

void appendRecord(QString& out, const BPRecord& record, const QString& date, qsizetype orderNo) {
    out += kTab2 + QStringLiteral("<Record>") + kEol;
    appendElement(out, kTab3, "CurrencyType", QStringLiteral("01"));
    appendElement(out, kTab3, "Date", date);
    appendElement(out, kTab3, "OrderNo", QString::number(orderNo));
    for (const BPField& field : kBPValueFields) {
        const QString& value = record.*field.member;
        appendElement(out, kTab3, field.element,
                      field.member == &BPRecord::money ? fileMoney(value) : value);
    }
    out += kTab2 + QStringLiteral("</Record>") + kEol;
}

// Names the first value of the records that GBK cannot hold.
QString unrepresentableMessage(const BPRecordAt& recordAt, qsizetype first, qsizetype end) {
    for (qsizetype i = first; i < end; ++i) {
        const BPRecord record = recordAt(i);
        for (const BPField& field : kBPValueFields) {
            const QString& value = record.*field.member;
            if (encodeGbk(value))
                continue;
            QString character;
            for (qsizetype k = 0; k < value.size() && character.isEmpty(); ++k) {
                const qsizetype width = value.at(k).isHighSurrogate() ? 2 : 1;
                if (!encodeGbk(value.mid(k, width)))
                    character = value.mid(k, width);
                k += width - 1;
            }
            return QStringLiteral("第%1条指令（流水号%2）的“%3”含有GBK编码无法表示的字符“%4”，"
                                  "批量支付文件未生成")
                .arg(i + 1)
                .arg(record.serialNo, QString::fromUtf8(field.caption), character);
        }
    }
    return QStringLiteral("批量支付文件含有GBK编码无法表示的字符，批量支付文件未生成");
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
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {Status::FileError, {}};
    const auto writeText = [&file](const QString& text) {
        const std::optional<QByteArray> bytes = encodeGbk(text);
        return bytes && file.write(*bytes) == bytes->size();
    };
    if (!writeText(headerText(summary)))
        return {Status::FileError, {}};
    QString chunk;
    for (qsizetype first = 0; first < count; first += kRecordsPerChunk) {
        const qsizetype end = std::min(count, first + kRecordsPerChunk);
        chunk.clear();
        for (qsizetype i = first; i < end; ++i)
            appendRecord(chunk, recordAt(i), summary.date, i + 1);
        const std::optional<QByteArray> bytes = encodeGbk(chunk);
        if (!bytes) {
            file.cancelWriting();
            return {Status::Unrepresentable, unrepresentableMessage(recordAt, first, end)};
        }
        if (file.write(*bytes) != bytes->size())
            return {Status::FileError, {}};
    }
    if (!writeText(footerText()) || !file.commit())
        return {Status::FileError, {}};
    return {Status::Written, {}};
}
