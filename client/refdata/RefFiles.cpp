#include "refdata/RefFiles.h"

#include "files/ClientMessages.h"
#include "files/ListFile.h"
#include "files/LoadCommand.h"
#include "refdata/RefList.h"
#include "store/DBAccess.h"

using Status = FileCommandOutcome::Status;

RefFileTexts::RefFileTexts(const QString& noun)
    : exportDone(QStringLiteral("导出") + noun + QStringLiteral("完毕"))
    , exportFailure(QStringLiteral("导出") + noun + QStringLiteral("失败"))
    , exportFileError(QStringLiteral("文件读写错误，") + exportFailure)
    , importDone(QStringLiteral("导入") + noun + QStringLiteral("完毕"))
    , importFileError(QStringLiteral("文件读写错误，导入") + noun + QStringLiteral("失败")) {}

FileCommandOutcome writeRefFile(ClientMessages& messages, const QString& path, const ListFile& file,
                                const RefFileTexts& texts) {
    const ListFileWriteResult written = writeListFile(path, file, texts.exportFailure);
    switch (written.status) {
    case ListFileWriteResult::Status::Written:
        messages.show(texts.exportDone);
        return {Status::Done, {}};
    case ListFileWriteResult::Status::Unrepresentable:
        messages.show(written.message);
        return {Status::Failed, {}};
    case ListFileWriteResult::Status::FileError:
        break;
    }
    messages.show(texts.exportFileError);
    return {Status::Failed, written.message};
}

ExportTarget exportTarget(ClientMessages& messages, const RefList& list,
                          const PathChooser& choosePath) {
    if (list.empty()) {
        messages.show(QStringLiteral("没有记录可以导出"));
        return {{}, {Status::Stopped, {}}};
    }
    const QString path = choosePath();
    if (path.isEmpty())
        return {{},
                {Status::Stopped, QStringLiteral("未导出：没有选定文件，或未确认覆盖已有文件")}};
    return {path, {}};
}

FileCommandOutcome exportRows(DBAccess& db, ClientMessages& messages, const PathChooser& choosePath,
                              const QString& query, ListFile file, const RefFileTexts& texts,
                              const QString& noPath,
                              const std::function<ListFileRecord(const RecordSet&, int)>& record) {
    const std::optional<RecordSet> rows = db.Query(query);
    if (!rows) {
        messages.show(texts.exportFileError);
        return {Status::Failed, {}};
    }
    const QString path = choosePath();
    if (path.trimmed().isEmpty()) {
        messages.show(noPath);
        return {Status::Stopped, {}};
    }
    for (int row = 0; row < rows->rowCount(); ++row)
        file.records.push_back(record(*rows, row));
    return writeRefFile(messages, path, file, texts);
}

FileCommandOutcome importRecords(ClientMessages& messages, const PathChooser& choosePath,
                                 const RefImport& import, const RefFileTexts& texts,
                                 const std::function<QString(const std::vector<QString>&)>& store,
                                 const std::function<void()>& reload) {
    const QString path = choosePath();
    if (path.isEmpty())
        return {Status::Stopped, QStringLiteral("未导入：没有选定文件")};
    RecordFile file;
    if (const auto failed =
            notLoadedOutcome(file.load(path), file.detail(), messages, path, texts.importFileError))
        return *failed;
    const pugi::xml_node records = import.records(file);
    if (!records) {
        messages.show(texts.importFileError);
        return {Status::Failed, {}};
    }
    const bool complete =
        RecordFile::forEachRecord(records, import.recordName, import.fields,
                                  [&](const std::vector<QString>& fields, qsizetype) {
                                      const QString refusal = store(fields);
                                      if (refusal.isEmpty())
                                          return true;
                                      messages.show(refusal);
                                      return false;
                                  });
    // After a refused record the records stored before it stay: the list shows them.
    reload();
    if (!complete)
        return {Status::Failed, {}};
    messages.show(texts.importDone);
    return {Status::Done, {}};
}

bool replaceRecord(DBAccess& db, const QString& deleteSql, const QVariantList& key,
                   const QString& insertSql, const QVariantList& values) {
    try {
        db.BeginTrans();
        db.Delete(deleteSql, key);
        if (db.Insert(insertSql, values)) {
            db.Commit();
            return true;
        }
        db.Rollback();
    } catch (const TransactionError&) {
        try {
            db.Rollback();
        } catch (const TransactionError&) {
            // Nothing was begun: nothing to undo.
        }
    }
    return false;
}
