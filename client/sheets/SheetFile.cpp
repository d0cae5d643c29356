#include "sheets/SheetFile.h"

#include "sheets/CsvReader.h"
#include "sheets/XlsxReader.h"

#include <QFileInfo>

SheetReadResult readSheetFile(const QString& path, const QString& sheetName) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QStringLiteral("xlsx"))
        return readXlsxSheet(path, sheetName);
    if (suffix == QStringLiteral("csv") || suffix == QStringLiteral("txt"))
        return readCsvSheet(path);
    SheetReadResult refused;
    refused.message = QStringLiteral("只能导入xlsx或csv表格文件：") + path;
    return refused;
}
