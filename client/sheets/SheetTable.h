#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <vector>

// A sheet as read from an .xlsx or .csv file: its non-blank rows, each numbered as the
// spreadsheet numbers it (1 for the first row), so messages name the row the clerk sees.
struct SheetCell {
    QString text;
    bool number = false; // stored as a number: `text` is its shortest exact decimal form
};

struct SheetRow {
    qsizetype number = 0;
    std::vector<SheetCell> cells; // by column, A first; missing cells are empty
};

// Cells a sheet may hold in all (blank ones between filled ones included): far more than any
// batch needs, little enough that a hostile sheet cannot exhaust memory.
inline constexpr qsizetype kMaxSheetCells = 2'000'000;
// Columns a sheet may use; cells further right are ignored.
inline constexpr qsizetype kMaxSheetColumns = 256;

struct SheetTable {
    std::vector<SheetRow> rows;
};

struct SheetReadResult {
    bool ok = false;
    QString message; // why the file was refused, naming it
    SheetTable table;
    QStringList sheetNames; // the workbook's sheets, in order (one for a .csv)
};
