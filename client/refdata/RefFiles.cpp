#include "refdata/RefFiles.h"

#include "files/ClientMessages.h"
#include "files/ListFile.h"
#include "store/DBAccess.h"

FileCommandOutcome writeRefFile(ClientMessages& messages, const QString& path, const ListFile& file,
                                const QString& done, const QString& failure,
                                const QString& fileError) {
    const ListFileWriteResult written = writeListFile(path, file, failure);
    switch (written.status) {
    case ListFileWriteResult::Status::Written:
        messages.show(done);
        return {FileCommandOutcome::Status::Done, {}};
    case ListFileWriteResult::Status::Unrepresentable:
        messages.show(written.message);
        return {FileCommandOutcome::Status::Failed, {}};
    case ListFileWriteResult::Status::FileError:
        break;
    }
    messages.show(fileError);
    return {FileCommandOutcome::Status::Failed, written.message};
}

std::optional<FileCommandOutcome> loadImportFile(RecordFile& file, ClientMessages& messages,
                                                 const QString& path, const QString& readError) {
    using Status = FileCommandOutcome::Status;
    switch (file.load(path)) {
    case RecordFile::Status::Loaded:
        return std::nullopt;
    case RecordFile::Status::NotWellFormed:
        return FileCommandOutcome{Status::Stopped,
                                  QStringLiteral("文件不是格式正确的XML文件：") + path};
    case RecordFile::Status::Refused:
        messages.show(file.detail());
        return FileCommandOutcome{Status::Failed, file.detail()};
    case RecordFile::Status::Unreadable:
        break;
    }
    messages.show(readError);
    return FileCommandOutcome{Status::Failed, file.detail()};
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
