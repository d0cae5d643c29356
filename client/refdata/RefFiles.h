#pragma once

#include "files/FileCommandOutcome.h"
#include "files/RecordFile.h"

#include <QString>
#include <QVariantList>

#include <functional>
#include <optional>

class ClientMessages;
class DBAccess;
struct ListFile;

// Writes the file and shows `done`; a value GBK cannot hold is refused by a message naming it
// (ending in `failure`), a file error shows `fileError`.
FileCommandOutcome writeRefFile(ClientMessages& messages, const QString& path, const ListFile& file,
                                const QString& done, const QString& failure,
                                const QString& fileError);

// Replaces a stored record by the imported one as one unit: the delete of the old row and the
// insert of the new one are kept or undone together, so a failing insert never loses the row.
// False when the unit was undone (the record store has shown its box).
bool replaceRecord(DBAccess& db, const QString& deleteSql, const QVariantList& key,
                   const QString& insertSql, const QVariantList& values);
