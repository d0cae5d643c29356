#include "refdata/PayerAccounts.h"
#include "files/LoadCommand.h"

#include "config/FieldCheck.h"
#include "files/ClientMessages.h"
#include "files/ListFile.h"
#include "files/XmlText.h"
#include "store/DBAccess.h"

namespace PayerAccounts {

namespace {

using Status = FileCommandOutcome::Status;

const QString kListQuery =
    QStringLiteral(
        "select acc.acc_no as 付款账号,acc.acc_name as 户名,curr.currency_name as 币种") +
    QStringLiteral(" from pay_acc acc,acc_currency curr where acc.currency=curr.currency_id order "
                   "by acc.acc_no");
const QString kInsert = QStringLiteral("insert into pay_acc (acc_no,acc_name) values (?,?)");
const QString kDelete = QStringLiteral("delete from pay_acc where acc_no=?");
const QString kImportFileError = QStringLiteral("文件读写错误，导入付款账号失败");

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
    const std::optional<RecordSet> found =
        db.Query(QStringLiteral("select acc_no from pay_acc where acc_no=?"), {accNo});
    if (found && !found->atEnd()) {
        messages.show(QStringLiteral("该付款账号已存在"));
        return false;
    }
    if (!db.Insert(kInsert, {accNo, accName})) {
        messages.show(QStringLiteral("新增付款账号失败"));
        return false;
    }
    messages.show(QStringLiteral("新增付款账号成功"));
    return true;
}

bool rename(DBAccess& db, ClientMessages& messages, const QString& accNo, const QString& accName) {
    if (!db.Update(QStringLiteral("update pay_acc set acc_name=? where acc_no=?"),
                   {accName, accNo})) {
        messages.show(QStringLiteral("修改付款账号失败"));
        return false;
    }
    messages.show(QStringLiteral("修改付款账号成功"));
    return true;
}

bool remove(DBAccess& db, ClientMessages& messages, const QString& accNo) {
    if (!messages.confirm(QStringLiteral("是否确认要删除付款账号?")))
        return false;
    if (!db.Delete(kDelete, {accNo})) {
        messages.show(QStringLiteral("删除付款账号失败"));
        return false;
    }
    messages.show(QStringLiteral("删除付款账号成功"));
    return true;
}

FileCommandOutcome exportFile(ClientMessages& messages, const RefList& list,
                              const PathChooser& choosePath) {
    if (list.empty()) {
        messages.show(QStringLiteral("没有记录可以导出"));
        return {Status::Stopped, {}};
    }
    const QString path = choosePath();
    if (path.isEmpty())
        return {Status::Stopped, QStringLiteral("未导出：没有选定文件，或未确认覆盖已有文件")};
    ListFile file{
        QStringLiteral("GB2312"), QStringLiteral("AccountSet"), QStringLiteral("Account"), {}};
    for (qsizetype row = 1; row <= list.size(); ++row)
        file.records.push_back(
            {QStringLiteral("付款账号[") + list.cell(row, 1) + QLatin1Char(']'),
             {{QStringLiteral("AccountNO"), list.cell(row, 1), QStringLiteral("付款账号")},
              {QStringLiteral("Currency"), list.cell(row, 3), QStringLiteral("币种")},
              {QStringLiteral("AccountName"), list.cell(row, 2), QStringLiteral("户名")}}});
    return writeRefFile(messages, path, file, QStringLiteral("导出付款账号完毕"),
                        QStringLiteral("导出付款账号失败"),
                        QStringLiteral("文件读写错误，导出付款账号失败"));
}

FileCommandOutcome importFile(DBAccess& db, ClientMessages& messages, const PathChooser& choosePath,
                              const std::function<void()>& reload) {
    const QString path = choosePath();
    if (path.isEmpty())
        return {Status::Stopped, QStringLiteral("未导入：没有选定文件")};
    RecordFile file;
    if (const auto failed =
            notLoadedOutcome(file.load(path), file.detail(), messages, path, kImportFileError))
        return *failed;
    const bool complete = RecordFile::forEachRecord(
        file.document(), "Account", {"AccountNO", "AccountName"},
        [&](const std::vector<QString>& fields, qsizetype) {
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
            if (refusal.isEmpty())
                return true;
            messages.show(refusal.arg(accNo));
            return false;
        });
    // After a refused record the records stored before it stay: the list shows them.
    reload();
    if (!complete)
        return {Status::Failed, {}};
    messages.show(QStringLiteral("导入付款账号完毕"));
    return {Status::Done, {}};
}

} // namespace PayerAccounts
