#include "files/LoadCommand.h"

#include "files/ClientMessages.h"
#include "store/DBAccess.h"

std::optional<FileCommandOutcome> notLoadedOutcome(RecordFile::Status status, const QString& detail,
                                                   ClientMessages& messages, const QString& path,
                                                   const QString& readError) {
    using Status = FileCommandOutcome::Status;
    switch (status) {
    case RecordFile::Status::Loaded:
        return std::nullopt;
    case RecordFile::Status::NotWellFormed:
        return FileCommandOutcome{Status::Stopped,
                                  QStringLiteral("文件不是格式正确的XML文件：") + path};
    case RecordFile::Status::Refused:
        // The message names the file and says why: nothing is left to add.
        messages.show(detail);
        return FileCommandOutcome{Status::Failed, {}};
    case RecordFile::Status::Unreadable:
        break;
    }
    messages.show(readError);
    return FileCommandOutcome{Status::Failed, detail};
}

FileCommandOutcome replaceInOneTransaction(DBAccess& db, ClientMessages& messages,
                                           const std::function<bool()>& replace,
                                           const QString& readError, const QString& done,
                                           const std::function<void()>& reload) {
    using Status = FileCommandOutcome::Status;
    try {
        db.BeginTrans();
        if (!replace())
            return {Status::Failed, {}};
        db.Commit();
    } catch (const TransactionError& error) {
        try {
            db.Rollback();
        } catch (const TransactionError&) {
            // Nothing was begun, or the connection is gone: there is nothing left to undo.
        }
        messages.show(readError);
        return {Status::Failed, QString::fromUtf8(error.what())};
    }
    reload();
    messages.show(done);
    return {Status::Done, {}};
}
