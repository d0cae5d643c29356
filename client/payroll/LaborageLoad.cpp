#include "payroll/LaborageLoad.h"

#include "amount/AmountChecks.h"
#include "store/DBAccess.h"

namespace {

const QString kInsertLoaded = QStringLiteral(
    "insert into laborage (serial_no,acc_no,acc_name,pay_amount,remark) values (?,?,?,?,?)");
// Persons are found by account number alone: the file carries no certificate data.
const QString kFindPerson =
    QStringLiteral("select acc_no,acc_name,cert_type,cert_code from person_payee_acc"
                   " where acc_no = ?");
const QString kInsertPerson =
    QStringLiteral("insert into person_payee_acc (acc_no,acc_name) values (?,?)");

// The roster's name box holds 30 characters, a comment 60.
const qsizetype kNameMaxLength = 30;
const qsizetype kCommentMaxLength = 60;

qsizetype characterCount(const QString& text) {
    qsizetype count = 0;
    for (const QChar c : text)
        count += c.isLowSurrogate() ? 0 : 1;
    return count;
}

QString numbered(qsizetype n, const char* text) {
    return QStringLiteral("第") + QString::number(n) + QString::fromUtf8(text);
}

} // namespace

QString laborageRefusal(const GZRecord& record, qsizetype n, QString& money) {
    if (record.recAcc.isEmpty())
        return numbered(n, "条记录中的收款账号格式错误，文件导入被中止");
    const qsizetype name = characterCount(record.recAccName);
    if (name == 0 || name > kNameMaxLength)
        return numbered(n, "条记录中的收款户名数据长度错误，文件导入被中止");
    const FileAmount amount = checkFileAmount(record.money);
    if (amount.check != FileAmount::Check::Ok)
        return fileAmountRefusal(amount.check, n);
    if (characterCount(record.comment) > kCommentMaxLength)
        return numbered(n, "条记录中的备注长度过长，文件导入被中止");
    money = amount.plain;
    return {};
}

QString storeLoadedLaborage(DBAccess& db, const GZRecord& record, const QString& money,
                            const QString& serial, qsizetype n) {
    const std::optional<RecordSet> person = db.Query(kFindPerson, {record.recAcc});
    if (!person ||
        (person->rowCount() == 0 && !db.Insert(kInsertPerson, {record.recAcc, record.recAccName})))
        return QStringLiteral("添加第%1条记录中的收款账户信息时发生错误，文件导入被中止").arg(n);
    if (!db.Insert(kInsertLoaded,
                   {serial, record.recAcc, record.recAccName, money, record.comment}))
        return QStringLiteral("添加第%1条记录中时发生错误，文件导入被中止").arg(n);
    return {};
}
