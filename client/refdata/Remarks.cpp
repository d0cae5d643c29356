#include "refdata/Remarks.h"
#include "files/LoadCommand.h"

#include "files/ClientMessages.h"
#include "files/ListFile.h"
#include "files/XmlText.h"
#include "store/DBAccess.h"

#include <cstring>

namespace Remarks {

namespace {

using Status = FileCommandOutcome::Status;

const QString kInsert = QStringLiteral("insert into user_remark (remark) values (?)");
const QString kDelete = QStringLiteral("delete from user_remark where remark=?");
const QString kExportFailure = QStringLiteral("导出备注失败");
const QString kImportFileError = QStringLiteral("文件读写错误，导入备注失败");

bool exists(DBAccess& db, const QString& phrase) {
    const std::optional<RecordSet> found =
        db.Query(QStringLiteral("select remark from user_remark where remark=?"), {phrase});
    return found && !found->atEnd();
}

void rollBackQuietly(DBAccess& db) {
    try {
        db.Rollback();
    } catch (const TransactionError&) {
        // Nothing was begun: nothing to undo.
    }
}

ListFile remarkFile(const RefList& list, qsizetype first, qsizetype last) {
    ListFile file{
        QStringLiteral("GB2312"), QStringLiteral("UserRemark"), QStringLiteral("Remark"), {}};
    for (qsizetype row = first; row <= last; ++row)
        file.records.push_back(
            {QStringLiteral("第%1条备注").arg(row),
             {{QStringLiteral("Value"), list.cell(row, 1), QStringLiteral("备注")}}});
    return file;
}

} // namespace

RefList makeList() {
    return RefList({QStringLiteral("序号"), QStringLiteral("备注")});
}

void reload(RefList& list, DBAccess& db) {
    list.reload(db, QStringLiteral("select remark as 备注 from user_remark order by remark"));
}

const QString& countQuery() {
    static const QString query =
        QStringLiteral("select count(remark) as totalNum from user_remark");
    return query;
}

bool add(DBAccess& db, ClientMessages& messages, const QString& phrase) {
    if (exists(db, phrase)) {
        messages.show(QStringLiteral("该备注已存在"));
        return false;
    }
    if (!db.Insert(kInsert, {phrase})) {
        messages.show(QStringLiteral("新增备注失败"));
        return false;
    }
    messages.show(QStringLiteral("新增备注成功"));
    return true;
}

ChangeResult change(DBAccess& db, ClientMessages& messages, const QString& oldPhrase,
                    const QString& newPhrase) {
    const QString failed = QStringLiteral("修改备注失败");
    try {
        db.BeginTrans();
        if (!db.Delete(kDelete, {oldPhrase})) {
            db.Rollback();
            messages.show(failed);
            return ChangeResult::Failed;
        }
        if (exists(db, newPhrase)) {
            db.Rollback();
            messages.show(QStringLiteral("新的用途备注已存在"));
            return ChangeResult::NewExists;
        }
        if (!db.Insert(kInsert, {newPhrase})) {
            db.Rollback();
            messages.show(failed);
            return ChangeResult::Failed;
        }
        db.Commit();
    } catch (const TransactionError&) {
        rollBackQuietly(db);
        messages.show(failed);
        return ChangeResult::Failed;
    }
    messages.show(QStringLiteral("修改备注成功"));
    return ChangeResult::Changed;
}

bool remove(DBAccess& db, ClientMessages& messages, const QString& phrase) {
    if (!messages.confirm(QStringLiteral("是否确认要删除备注?")))
        return false;
    if (!db.Delete(kDelete, {phrase})) {
        messages.show(QStringLiteral("删除备注失败"));
        return false;
    }
    messages.show(QStringLiteral("删除备注成功"));
    return true;
}

QStringList exportFileNames(const QString& chosen, qsizetype phrases) {
    const QString extension = QStringLiteral(".xml");
    const QString base =
        chosen.endsWith(extension, Qt::CaseInsensitive) ? chosen.chopped(extension.size()) : chosen;
    const qsizetype files = (phrases + kPhrasesPerFile - 1) / kPhrasesPerFile;
    if (files <= 1)
        return {base + extension};
    QStringList names;
    for (qsizetype k = 1; k <= files; ++k)
        names << base + QLatin1Char('-') + QString::number(k) + extension;
    return names;
}

FileCommandOutcome exportFiles(ClientMessages& messages, const RefList& list,
                               const PathChooser& choosePath) {
    if (list.empty()) {
        messages.show(QStringLiteral("没有记录可以导出"));
        return {Status::Stopped, {}};
    }
    const QString chosen = choosePath();
    if (chosen.isEmpty())
        return {Status::Stopped, QStringLiteral("未导出：没有选定文件，或未确认覆盖已有文件")};
    const QStringList names = exportFileNames(chosen, list.size());
    std::vector<ListFile> files;
    for (qsizetype k = 0; k < names.size(); ++k) {
        files.push_back(remarkFile(list, k * kPhrasesPerFile + 1,
                                   std::min(list.size(), (k + 1) * kPhrasesPerFile)));
        if (const QString refusal = listFileRefusal(files.back(), kExportFailure);
            !refusal.isEmpty()) {
            messages.show(refusal);
            return {Status::Failed, {}};
        }
    }
    for (qsizetype k = 0; k < names.size(); ++k) {
        const ListFileWriteResult written =
            writeListFile(names[k], files[static_cast<size_t>(k)], kExportFailure);
        if (written.status != ListFileWriteResult::Status::Written) {
            messages.show(QStringLiteral("文件读写错误，导出备注失败"));
            return {Status::Failed, names[k] + QStringLiteral("：") + written.message};
        }
    }
    messages.show(QStringLiteral("导出备注完毕"));
    return {Status::Done, {}};
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
    const pugi::xml_node root = file.root();
    const pugi::xml_node remarks = std::strcmp(root.name(), "UserRemark") == 0
                                       ? root
                                       : XmlText::firstDescendant(root, "UserRemark");
    if (!remarks) {
        messages.show(kImportFileError);
        return {Status::Failed, {}};
    }
    const bool complete = RecordFile::forEachRecord(
        remarks, "Remark", {"Value"}, [&](const std::vector<QString>& fields, qsizetype) {
            const QString& value = fields[0];
            QString refusal;
            if (value.isEmpty())
                refusal = QStringLiteral("备注文件中有空白的备注，导入文件中止");
            else if (!replaceRecord(db, kDelete, {value}, kInsert, {value}))
                refusal = QStringLiteral("导入备注发生错误[") + value + QLatin1Char(']');
            if (refusal.isEmpty())
                return true;
            messages.show(refusal);
            return false;
        });
    // After a refused phrase the phrases stored before it stay: the list shows them.
    reload();
    if (!complete)
        return {Status::Failed, {}};
    messages.show(QStringLiteral("导入备注完毕"));
    return {Status::Done, {}};
}

} // namespace Remarks
