#include "refdata/Remarks.h"

#include "files/ClientMessages.h"
#include "files/ListFile.h"
#include "files/XmlText.h"
#include "refdata/RefEdits.h"
#include "store/DBAccess.h"

#include <cstring>

namespace Remarks {

namespace {

using Status = FileCommandOutcome::Status;

const QString kNoun = QStringLiteral("备注");
const QString kExists = QStringLiteral("select remark from user_remark where remark=?");
const QString kInsert = QStringLiteral("insert into user_remark (remark) values (?)");
const QString kDelete = QStringLiteral("delete from user_remark where remark=?");

bool exists(DBAccess& db, const QString& phrase) {
    const std::optional<RecordSet> found = db.Query(kExists, {phrase});
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
    return RefEdits::add(db, messages, kNoun, kExists, {phrase}, kInsert, {phrase});
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
    return RefEdits::remove(db, messages, kNoun, kDelete, {phrase});
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
    const ExportTarget target = exportTarget(messages, list, choosePath);
    if (target.path.isEmpty())
        return target.stopped;
    const RefFileTexts texts(kNoun);
    const QStringList names = exportFileNames(target.path, list.size());
    std::vector<ListFile> files;
    for (qsizetype k = 0; k < names.size(); ++k) {
        files.push_back(remarkFile(list, k * kPhrasesPerFile + 1,
                                   std::min(list.size(), (k + 1) * kPhrasesPerFile)));
        if (const QString refusal = listFileRefusal(files.back(), texts.exportFailure);
            !refusal.isEmpty()) {
            messages.show(refusal);
            return {Status::Failed, {}};
        }
    }
    for (qsizetype k = 0; k < names.size(); ++k) {
        const ListFileWriteResult written =
            writeListFile(names[k], files[static_cast<size_t>(k)], texts.exportFailure);
        if (written.status != ListFileWriteResult::Status::Written) {
            messages.show(texts.exportFileError);
            return {Status::Failed, names[k] + QStringLiteral("：") + written.message};
        }
    }
    messages.show(texts.exportDone);
    return {Status::Done, {}};
}

FileCommandOutcome importFile(DBAccess& db, ClientMessages& messages, const PathChooser& choosePath,
                              const std::function<void()>& reload) {
    return importRecords(
        messages, choosePath,
        {[](const RecordFile& file) {
             const pugi::xml_node root = file.root();
             return std::strcmp(root.name(), "UserRemark") == 0
                        ? root
                        : XmlText::firstDescendant(root, "UserRemark");
         },
         "Remark",
         {"Value"}},
        RefFileTexts(kNoun),
        [&](const std::vector<QString>& fields) -> QString {
            const QString& value = fields[0];
            if (value.isEmpty())
                return QStringLiteral("备注文件中有空白的备注，导入文件中止");
            if (!replaceRecord(db, kDelete, {value}, kInsert, {value}))
                return QStringLiteral("导入备注发生错误[") + value + QLatin1Char(']');
            return QString();
        },
        reload);
}

} // namespace Remarks
