#pragma once

#include "sheets/SheetTable.h"

#include <QString>

// Reads one worksheet of an .xlsx workbook: shared strings, inline strings, numbers (in their
// shortest exact decimal form), booleans and formula results as text; dates stay numbers. The
// archive is untrusted: every entry is inflated under a size cap and its names are only looked up
// inside the archive.
inline constexpr qint64 kMaxSheetEntryBytes = 64LL * 1024 * 1024;

// `sheetName` empty reads the first sheet.
SheetReadResult readXlsxSheet(const QString& path, const QString& sheetName = {});
