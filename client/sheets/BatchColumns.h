#pragma once

#include "sheets/SheetTable.h"

#include <QString>
#include <QStringList>

#include <vector>

enum class BatchKind { Payroll, Payment };

// A value an instruction takes from a sheet column: the grid's caption and the headers
// spreadsheets commonly give it.
struct BatchField {
    QString caption;
    QStringList synonyms;
    bool required = false;
    bool amount = false;
};

const std::vector<BatchField>& batchFields(BatchKind kind);

// The sheet column of each field (0 for column A), -1 for none.
using ColumnMapping = std::vector<qsizetype>;

// Matches the header row's captions to the fields: the caption or a synonym, blanks, "*" and a
// unit such as "(元)" ignored; each column serves one field.
ColumnMapping matchColumns(BatchKind kind, const SheetRow& header);

// The captions of required fields without a column: "" when the mapping is complete.
QStringList missingFields(BatchKind kind, const ColumnMapping& mapping);
