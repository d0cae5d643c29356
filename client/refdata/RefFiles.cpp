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
