#pragma once

#include "files/FileCommandOutcome.h"
#include "files/UploadFile.h"

#include <QString>

#include <functional>
#include <optional>

class ClientMessages;
class DBAccess;
class RecordSet;

// The steps the write and load commands of both batch tabs share.

struct BatchWriteTexts {
    QString nothingToWrite; // also when the write query finds no row
    QString done;
    QString failed; // the file could not be written
};

// Writes a batch's file: the chosen path ("" stops the command), the rows of `writeQuery` in
// their order and today's date handed to `write`, then the message for how the write ended. A
// failed write's message becomes the outcome's detail.
FileCommandOutcome
writeBatchFile(DBAccess& db, ClientMessages& messages, const PathChooser& choosePath,
               const QString& writeQuery, const BatchWriteTexts& texts,
               const std::function<UploadWriteResult(const QString& path, const QString& date,
                                                     const RecordSet& rows)>& write);

// The file a load replaces the batch with: a batch that holds instructions is replaced only when
// the clerk agrees. Nothing when the clerk declines or cancels the chooser.
std::optional<QString> chooseFileToLoad(ClientMessages& messages, bool batchHoldsInstructions,
                                        const PathChooser& choosePath);

// Inside a load's transaction: empties the batch by `deleteStatement`. A failure is rolled back
// and shown.
bool clearBatch(DBAccess& db, ClientMessages& messages, const QString& deleteStatement);

// Stops a load at a refused record: rolls its transaction back and shows why. Always false.
bool stopLoad(DBAccess& db, ClientMessages& messages, const QString& message);
