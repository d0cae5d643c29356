#pragma once

#include "files/FileCommandOutcome.h"
#include "sheets/BatchColumns.h"

#include <QString>
#include <QStringList>

#include <vector>

class ClientMessages;
class DBAccess;

// A sheet's rows made into instructions of a batch and checked as the batch's file loader checks
// a record, each named by its sheet row.
struct ImportRow {
    qsizetype sheetRow = 0;
    QStringList values; // by field of batchFields(kind); amounts in their plain form
    QString refusal;    // why the row may not be stored; "" when it may
};

struct SheetImport {
    BatchKind kind = BatchKind::Payroll;
    std::vector<ImportRow> rows;

    qsizetype refusedCount() const;
};

// Every row below the header row (the sheet's first non-blank row) down to a total row (one
// starting with 合计 or 总计), values taken from the mapped columns. Amounts stored as numbers are
// rounded to the fen; amounts written as text pass the amount rules as they are. Payment account
// kinds and remit types are read by code or by name.
SheetImport prepareSheetImport(DBAccess& db, BatchKind kind, const SheetTable& table,
                               const ColumnMapping& mapping);

enum class ImportMode { Replace, Append };

// Stores the rows in one transaction, after the batch's question when replacing a batch that
// holds instructions; nothing is stored when a row is refused (the first refusal is shown, the
// others are listed in the outcome's detail) or anything fails.
FileCommandOutcome storeSheetImport(DBAccess& db, ClientMessages& messages,
                                    const SheetImport& import, ImportMode mode);

// Whether the batch holds instructions, so replacing it needs the clerk's consent.
bool batchHasInstructions(DBAccess& db, BatchKind kind);
