#pragma once

#include "sheets/SheetTable.h"

#include <QString>

// Reads a sheet by its file's extension: .xlsx (the named sheet, or the first) or .csv.
SheetReadResult readSheetFile(const QString& path, const QString& sheetName = {});
