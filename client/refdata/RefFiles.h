#pragma once

#include "config/XmlFile.h"

#include <QString>
#include <QVariantList>

#include <functional>

class ClientMessages;
class DBAccess;
struct ListFile;

// What the export and import commands of the reference tabs share with the command line.
struct RefOutcome {
    enum class Status { Done, Stopped, Failed };
    Status status = Status::Done;
    QString detail; // why a command stopped without a message (for the command line)
};

using PathChooser = std::function<QString()>;

// Writes the file and shows `done`; a value GBK cannot hold is refused by a message naming it
// (ending in `failure`), a file error shows `fileError`.
RefOutcome writeRefFile(ClientMessages& messages, const QString& path, const ListFile& file,
                        const QString& done, const QString& failure, const QString& fileError);

// An import file read into a document.
struct RefImportFile {
    enum class Status { Loaded, Unreadable, NotWellFormed };
    Status status = Status::Loaded;
    QString detail;
    XmlFileDocument file;
};
void loadRefFile(RefImportFile& imported, const QString& path);

// Replaces a stored record by the imported one as one unit: the delete of the old row and the
// insert of the new one are kept or undone together, so a failing insert never loses the row.
// False when the unit was undone (the record store has shown its box).
bool replaceRecord(DBAccess& db, const QString& deleteSql, const QVariantList& key,
                   const QString& insertSql, const QVariantList& values);
