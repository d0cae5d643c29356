#pragma once

#include <QByteArray>
#include <QString>

#include <variant>
#include <vector>

// Sheets written the way spreadsheets write them: .xlsx through libxlsxwriter (strings shared,
// numbers as doubles) and raw archives for hostile ones.
using MadeCell = std::variant<std::monostate, QString, double>;
using MadeRow = std::vector<MadeCell>;

// Writes the rows from sheet row 1 on the named sheets (one sheet of rows per name).
void makeXlsx(const QString& path,
              const std::vector<std::pair<QString, std::vector<MadeRow>>>& sheets);
void makeXlsx(const QString& path, const std::vector<MadeRow>& rows);

// An archive holding exactly these entries (name, bytes).
void makeZip(const QString& path, const std::vector<std::pair<QString, QByteArray>>& entries);

void writeBytes(const QString& path, const QByteArray& bytes);
