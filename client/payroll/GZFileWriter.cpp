#include "payroll/GZFile.h"

#include "amount/AmountText.h"

namespace {

void appendLeading(QString& out, const QString& date, qsizetype orderNo) {
    XmlLines::appendElement(out, 3, "Date", date);
    XmlLines::appendElement(out, 3, "DetailSign", QStringLiteral("1"));
    XmlLines::appendElement(out, 3, "OrderNo", QString::number(orderNo));
}

} // namespace

const std::vector<GZField> kGZValueFields = {
    {"RecAcc", &GZRecord::recAcc, "收款人账号"},
    {"RecAccName", &GZRecord::recAccName, "收款人名称"},
    {"Money", &GZRecord::money, "金额", fileAmountText},
    {"Comment", &GZRecord::comment, "备注"},
};

GZWriteResult writeGZFile(const QString& path, const GZSummary& summary, qsizetype count,
                          const GZRecordAt& recordAt) {
    return writeUploadFile<GZRecord>(
        {"GZFile", appendLeading, kGZValueFields, QStringLiteral("代发工资/代报销文件")}, path,
        summary, count, recordAt);
}
