#pragma once

#include "files/FileCommandOutcome.h"
#include "files/RecordFile.h"

#include <QString>
#include <QVariantList>

#include <functional>
#include <optional>
#include <vector>

class ClientMessages;
class DBAccess;
class RecordSet;
class RefList;
struct ListFile;
struct ListFileRecord;

// The messages of a list's export and import, named after what its file holds (`noun`).
struct RefFileTexts {
    explicit RefFileTexts(const QString& noun);
    QString exportDone;      // 导出<noun>完毕
    QString exportFailure;   // 导出<noun>失败
    QString exportFileError; // 文件读写错误，导出<noun>失败
    QString importDone;      // 导入<noun>完毕
    QString importFileError; // 文件读写错误，导入<noun>失败
};

// Writes the file and shows `exportDone`; a value GBK cannot hold is refused by a message naming
// it (ending in `exportFailure`), a file error shows `exportFileError`.
FileCommandOutcome writeRefFile(ClientMessages& messages, const QString& path, const ListFile& file,
                                const RefFileTexts& texts);

// Where an export of the listed records goes: the chosen path, or, with an empty path, why the
// export stops (an empty list says so, a cancelled chooser stops silently).
struct ExportTarget {
    QString path;
    FileCommandOutcome stopped;
};
ExportTarget exportTarget(ClientMessages& messages, const RefList& list,
                          const PathChooser& choosePath);

// Writes every row `query` returns, made a record by `record`, into `file` at the chosen path.
// A failing query shows `exportFileError`; no chosen path shows `noPath`.
FileCommandOutcome exportRows(DBAccess& db, ClientMessages& messages, const PathChooser& choosePath,
                              const QString& query, ListFile file, const RefFileTexts& texts,
                              const QString& noPath,
                              const std::function<ListFileRecord(const RecordSet&, int)>& record);

// What an import reads: the element the records lie under (none: the file is refused with
// `importFileError`), each record's element and field names.
struct RefImport {
    std::function<pugi::xml_node(const RecordFile&)> records;
    const char* recordName;
    std::vector<const char*> fields;
};

// Reads the chosen file and hands each record's fields to `store`, which stores them and returns
// "", or returns the refusal to show, which ends the import; records stored before a refused one
// stay. `reload` runs once the records are processed; `importDone` shows when all were stored.
FileCommandOutcome importRecords(ClientMessages& messages, const PathChooser& choosePath,
                                 const RefImport& import, const RefFileTexts& texts,
                                 const std::function<QString(const std::vector<QString>&)>& store,
                                 const std::function<void()>& reload);

// Replaces a stored record by the imported one as one unit: the delete of the old row and the
// insert of the new one are kept or undone together, so a failing insert never loses the row.
// False when the unit was undone (the record store has shown its box).
bool replaceRecord(DBAccess& db, const QString& deleteSql, const QVariantList& key,
                   const QString& insertSql, const QVariantList& values);
