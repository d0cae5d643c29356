#include "sheets/tests/SheetMaker.h"

#include <QFile>

#include <gtest/gtest.h>
#include <xlsxwriter.h>
#include <zip.h>

void makeXlsx(const QString& path,
              const std::vector<std::pair<QString, std::vector<MadeRow>>>& sheets) {
    lxw_workbook* book = workbook_new(QFile::encodeName(path).constData());
    ASSERT_NE(book, nullptr);
    for (const auto& [name, rows] : sheets) {
        lxw_worksheet* sheet = workbook_add_worksheet(book, name.toUtf8().constData());
        for (size_t r = 0; r < rows.size(); ++r)
            for (size_t c = 0; c < rows[r].size(); ++c) {
                const auto row = static_cast<lxw_row_t>(r);
                const auto col = static_cast<lxw_col_t>(c);
                if (const auto* text = std::get_if<QString>(&rows[r][c]))
                    worksheet_write_string(sheet, row, col, text->toUtf8().constData(), nullptr);
                else if (const auto* number = std::get_if<double>(&rows[r][c]))
                    worksheet_write_number(sheet, row, col, *number, nullptr);
            }
    }
    ASSERT_EQ(workbook_close(book), LXW_NO_ERROR);
}

void makeXlsx(const QString& path, const std::vector<MadeRow>& rows) {
    makeXlsx(path, {{QStringLiteral("Sheet1"), rows}});
}

void makeZip(const QString& path, const std::vector<std::pair<QString, QByteArray>>& entries) {
    int error = 0;
    zip_t* archive =
        zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    ASSERT_NE(archive, nullptr);
    for (const auto& [name, bytes] : entries) {
        zip_source_t* source = zip_source_buffer(archive, bytes.constData(),
                                                 static_cast<zip_uint64_t>(bytes.size()), 0);
        ASSERT_NE(source, nullptr);
        ASSERT_GE(zip_file_add(archive, name.toUtf8().constData(), source, ZIP_FL_OVERWRITE), 0);
    }
    ASSERT_EQ(zip_close(archive), 0);
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}
