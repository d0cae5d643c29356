#include "files/BatchFileCommand.h"

#include "files/ClientMessages.h"
#include "store/DBAccess.h"

#include <QDate>

FileCommandOutcome
writeBatchFile(DBAccess& db, ClientMessages& messages, const PathChooser& choosePath,
               const QString& writeQuery, const BatchWriteTexts& texts,
               const std::function<UploadWriteResult(const QString& path, const QString& date,
                                                     const RecordSet& rows)>& write) {
    using Status = FileCommandOutcome::Status;
    const QString today = QDate::currentDate().toString(QStringLiteral("yyyyMMdd"));
    const QString path = choosePath().trimmed();
    if (path.isEmpty())
        return {Status::Stopped, {}};
    const std::optional<RecordSet> rows = db.Query(writeQuery);
    if (!rows || rows->rowCount() == 0) {
        messages.show(texts.nothingToWrite);
        return {Status::Failed, {}};
    }
    const UploadWriteResult written = write(path, today, *rows);
    switch (written.status) {
    case UploadWriteResult::Status::Written:
        messages.show(texts.done);
        return {Status::Done, {}};
    case UploadWriteResult::Status::Unrepresentable:
        messages.show(written.message);
        return {Status::Failed, {}};
    case UploadWriteResult::Status::FileError:
        break;
    }
    messages.show(texts.failed);
    return {Status::Failed, written.message};
}

std::optional<QString> chooseFileToLoad(ClientMessages& messages, bool batchHoldsInstructions,
                                        const PathChooser& choosePath) {
    if (batchHoldsInstructions && !messages.confirm(QStringLiteral(
                                      "文件导入时原有数据将被全部清空，请先用“生成上传文件”功能保"
                                      "存，请确认是否要继续?")))
        return std::nullopt;
    const QString path = choosePath();
    if (path.trimmed().isEmpty())
        return std::nullopt;
    return path;
}

bool clearBatch(DBAccess& db, ClientMessages& messages, const QString& deleteStatement) {
    if (db.Delete(deleteStatement))
        return true;
    return stopLoad(db, messages, QStringLiteral("清除原有数据时发生错误，文件导入被中止"));
}

bool stopLoad(DBAccess& db, ClientMessages& messages, const QString& message) {
    db.Rollback();
    messages.show(message);
    return false;
}
