#pragma once

#include "files/FileCommandOutcome.h"
#include "sheets/BatchColumns.h"
#include "sheets/SheetImport.h"

#include <QDate>

class ClientMessages;
class DBAccess;

// The sheet commands of a batch tab, shared by the window and the command line.

// Imports the sheet at `path` (the named sheet of a workbook, the first when `sheetName` is empty)
// when every required column is found by its header; refused, naming the missing captions,
// otherwise.
FileCommandOutcome importSheetFile(DBAccess& db, ClientMessages& messages, BatchKind kind,
                                   const QString& path, ImportMode mode,
                                   const QString& sheetName = {});

// Writes the batch to the chosen .xlsx file.
FileCommandOutcome exportBatchSheet(DBAccess& db, ClientMessages& messages, BatchKind kind,
                                    const PathChooser& choosePath);

// Writes the batch's summary to the chosen PDF file, dated `date`.
FileCommandOutcome writeBatchSummary(DBAccess& db, ClientMessages& messages, BatchKind kind,
                                     const PathChooser& choosePath,
                                     const QDate& date = QDate::currentDate());

// The message refusing a sheet whose required columns are missing.
QString missingColumnsMessage(const QStringList& captions);
