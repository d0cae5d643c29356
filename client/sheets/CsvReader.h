#pragma once

#include "sheets/SheetTable.h"

#include <QByteArray>
#include <QString>

// Reads a .csv sheet as spreadsheets save it: UTF-8 with or without BOM, or GBK (detected: text
// that is not valid UTF-8 is read as GBK), values separated by comma, semicolon or tab (the one
// the header line uses most outside quotes), quoted values may hold separators, quotes ("") and
// line breaks. Every value is text.
SheetReadResult readCsvSheet(const QString& path);

// The same on bytes already read; `path` names the file in messages.
SheetReadResult parseCsvSheet(const QByteArray& bytes, const QString& path);
