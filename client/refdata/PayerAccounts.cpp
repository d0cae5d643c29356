#include "refdata/PayerAccounts.h"

#include "config/FieldCheck.h"
#include "files/ListFile.h"
#include "refdata/RefEdits.h"
#include "store/DBAccess.h"

namespace PayerAccounts {

namespace {

const QString kNoun = QStringLiteral("付款账号");
const QString kListQuery =
    QStringLiteral(
        "select acc.acc_no as 付款账号,acc.acc_name as 户名,curr.currency_name as 币种") +
    QStringLiteral(" from pay_acc acc,acc_currency curr where acc.currency=curr.currency_id order "
                   "by acc.acc_no");
const QString kInsert = QStringLiteral("insert into pay_acc (acc_no,acc_name) values (?,?)");
const QString kDelete = QStringLiteral("delete from pay_acc where acc_no=?");

} // namespace

RefList makeList() {
    return RefList({QStringLiteral("序号"), QStringLiteral("付款账号"), QStringLiteral("户名"),
                    QStringLiteral("币种")});
}

void reload(RefList& list, DBAccess& db) {
    list.reload(db, kListQuery);
}

const QString& countQuery() {
    static const QString query = QStringLiteral("select count(acc_no) as totalNum from pay_acc");
    return query;
}

QStringList currencyNames(DBAccess& db) {
    QStringList names;
    if (std::optional<RecordSet> rows = db.Query(QStringLiteral(
            "select currency_id,currency_name from acc_currency order by currency_id")))
        for (; !rows->atEnd(); rows->moveNext())
            names << rows->text(QStringLiteral("currency_name"));
    return names;
}

bool add(DBAccess& db, ClientMessages& messages, const QString& accNo, const QString& accName) {
    return RefEdits::add(db, messages, kNoun,
                         QStringLiteral("select acc_no from pay_acc where acc_no=?"), {accNo},
                         kInsert, {accNo, accName});
}

bool rename(DBAccess& db, ClientMessages& messages, const QString& accNo, const QString& accName) {
    return RefEdits::update(db, messages, kNoun,
                            QStringLiteral("update pay_acc set acc_name=? where acc_no=?"),
                            {accName, accNo});
}

bool remove(DBAccess& db, ClientMessages& messages, const QString& accNo) {
    return RefEdits::remove(db, messages, kNoun, kDelete, {accNo});
}

FileCommandOutcome exportFile(ClientMessages& messages, const RefList& list,
                              const PathChooser& choosePath) {
    const ExportTarget target = exportTarget(messages, list, choosePath);
    if (target.path.isEmpty())
        return target.stopped;
    ListFile file{
        QStringLiteral("GB2312"), QStringLiteral("AccountSet"), QStringLiteral("Account"), {}};
    for (qsizetype row = 1; row <= list.size(); ++row)
        file.records.push_back(
            {QStringLiteral("付款账号[") + list.cell(row, 1) + QLatin1Char(']'),
             {{QStringLiteral("AccountNO"), list.cell(row, 1), QStringLiteral("付款账号")},
              {QStringLiteral("Currency"), list.cell(row, 3), QStringLiteral("币种")},
              {QStringLiteral("AccountName"), list.cell(row, 2), QStringLiteral("户名")}}});
    return writeRefFile(messages, target.path, file, RefFileTexts(kNoun));
}

FileCommandOutcome importFile(DBAccess& db, ClientMessages& messages, const PathChooser& choosePath,
                              const std::function<void()>& reload) {
    return importRecords(
        messages, choosePath,
        {[](const RecordFile& file) { return file.document(); },
         "Account",
         {"AccountNO", "AccountName"}},
        RefFileTexts(kNoun),
        [&](const std::vector<QString>& fields) {
            const QString& accNo = fields[0];
            const QString& accName = fields[1];
            QString refusal;
            if (accNo.size() != kFileAccNoLength)
                refusal = QStringLiteral("付款账号长度错误[%1]，文件导入中止");
            else if (!IsAccountText(accNo))
                refusal = QStringLiteral("付款账号格式错误[%1]，文件导入中止");
            else if (accName.isEmpty())
                refusal = QStringLiteral("付款账号户名为空[%1]，文件导入中止");
            else if (!replaceRecord(db, kDelete, {accNo}, kInsert, {accNo, accName}))
                refusal = QStringLiteral("导入付款账号发生错误[%1]");
            return refusal.isEmpty() ? refusal : refusal.arg(accNo);
        },
        reload);
}

} // namespace PayerAccounts
