#include "refdata/RefFiles.h"

#include "files/ClientMessages.h"
#include "files/ListFile.h"
#include "store/DBAccess.h"

#include <QFile>

RefOutcome writeRefFile(ClientMessages& messages, const QString& path, const ListFile& file,
                        const QString& done, const QString& failure, const QString& fileError) {
    const ListFileWriteResult written = writeListFile(path, file, failure);
    switch (written.status) {
    case ListFileWriteResult::Status::Written:
        messages.show(done);
        return {RefOutcome::Status::Done, {}};
    case ListFileWriteResult::Status::Unrepresentable:
        messages.show(written.message);
        return {RefOutcome::Status::Failed, {}};
    case ListFileWriteResult::Status::FileError:
        break;
    }
    messages.show(fileError);
    return {RefOutcome::Status::Failed, written.message};
}

void loadRefFile(RefImportFile& imported, const QString& path) {
    {
        QFile probe(path);
        if (!probe.open(QIODevice::ReadOnly)) {
            imported.status = RefImportFile::Status::Unreadable;
            imported.detail = probe.errorString();
            return;
        }
    }
    if (!loadXmlFile(imported.file, path) || !imported.file.doc.document_element()) {
        imported.status = RefImportFile::Status::NotWellFormed;
        imported.detail = QStringLiteral("文件不是格式正确的XML文件：") + path;
        return;
    }
    imported.status = RefImportFile::Status::Loaded;
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
