#include "config/GbkCodec.h"
#include "sheets/SheetFile.h"
#include "sheets/SheetNumber.h"
#include "sheets/XlsxReader.h"
#include "sheets/tests/SheetMaker.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QStringList texts(const SheetRow& row) {
    QStringList out;
    for (const SheetCell& cell : row.cells)
        out << cell.text;
    return out;
}

class SheetReadTest : public ::testing::Test {
protected:
    QString path(const char* name) const { return dir_.filePath(QString::fromUtf8(name)); }
    QTemporaryDir dir_;
};

TEST(SheetNumberTest, DoublesBecomeTheirShortestDecimalAndRoundHalfUpToTheFen) {
    const struct {
        const char* raw;
        const char* shortest;
        const char* fen;
    } cases[] = {
        {"1234.0999999999999", "1234.1", "1234.10"},
        {"0.30000000000000004", "0.30000000000000004", "0.30"},
        {"1.2345E-3", "0.0012345", "0.00"},
        {"0.005", "0.005", "0.01"},
        {"99.995", "99.995", "100.00"},
        {"100000000000", "100000000000", "100000000000.00"},
        {"7", "7", "7.00"},
    };
    for (const auto& c : cases) {
        const std::optional<QString> shortest = shortestDecimal(QString::fromLatin1(c.raw));
        ASSERT_TRUE(shortest) << c.raw;
        EXPECT_EQ(shortest->toStdString(), c.shortest);
        EXPECT_EQ(roundToFen(*shortest).toStdString(), c.fen) << c.raw;
    }
    EXPECT_FALSE(shortestDecimal(QStringLiteral("abc")));
    EXPECT_FALSE(shortestDecimal(QStringLiteral("inf")));
    EXPECT_EQ(roundToFen(QStringLiteral("-1.5")).toStdString(), "-1.5");
}

TEST_F(SheetReadTest, XlsxGivesStringsAndExactNumbersByRowNumber) {
    makeXlsx(path("a.xlsx"), {{QStringLiteral("账号"), QStringLiteral("金额")},
                              {},
                              {QStringLiteral("6222"), 1234.1},
                              {std::monostate{}, 0.1 + 0.2}});
    const SheetReadResult read = readSheetFile(path("a.xlsx"));
    ASSERT_TRUE(read.ok) << read.message.toStdString();
    ASSERT_EQ(read.table.rows.size(), 3u);
    EXPECT_EQ(texts(read.table.rows[0]), (QStringList{"账号", "金额"}));
    EXPECT_EQ(read.table.rows[1].number, 3);
    EXPECT_EQ(texts(read.table.rows[1]), (QStringList{"6222", "1234.1"}));
    EXPECT_TRUE(read.table.rows[1].cells[1].number);
    EXPECT_FALSE(read.table.rows[1].cells[0].number);
    EXPECT_EQ(read.table.rows[2].number, 4);
    EXPECT_EQ(texts(read.table.rows[2]), (QStringList{"", "0.3"}));
}

TEST_F(SheetReadTest, XlsxReadsTheFirstOrTheNamedSheet) {
    makeXlsx(path("b.xlsx"), {{QStringLiteral("一月"), {{QStringLiteral("first")}}},
                              {QStringLiteral("二月"), {{QStringLiteral("second")}}}});
    const SheetReadResult first = readXlsxSheet(path("b.xlsx"));
    ASSERT_TRUE(first.ok);
    EXPECT_EQ(first.sheetNames, (QStringList{"一月", "二月"}));
    EXPECT_EQ(first.table.rows.at(0).cells.at(0).text, QStringLiteral("first"));
    const SheetReadResult second = readXlsxSheet(path("b.xlsx"), QStringLiteral("二月"));
    ASSERT_TRUE(second.ok);
    EXPECT_EQ(second.table.rows.at(0).cells.at(0).text, QStringLiteral("second"));
    const SheetReadResult none = readXlsxSheet(path("b.xlsx"), QStringLiteral("三月"));
    EXPECT_FALSE(none.ok);
    EXPECT_TRUE(none.message.contains(QStringLiteral("三月")));
}

TEST_F(SheetReadTest, HostileArchivesAreRefusedWithAMessage) {
    const QByteArray workbook =
        "<workbook xmlns:r=\"r\"><sheets><sheet name=\"S\" r:id=\"rId1\"/></sheets></workbook>";
    const QByteArray rels = "<Relationships><Relationship Id=\"rId1\" "
                            "Target=\"../../../etc/passwd\"/></Relationships>";
    const struct {
        const char* name;
        std::vector<std::pair<QString, QByteArray>> entries;
        const char* message;
    } cases[] = {
        {"bomb.xlsx",
         {{"xl/workbook.xml", workbook},
          {"xl/worksheets/sheet1.xml", QByteArray(kMaxSheetEntryBytes + 1, ' ')}},
         "表格文件过大，拒绝读取"},
        {"broken.xlsx",
         {{"xl/workbook.xml", workbook},
          {"xl/worksheets/sheet1.xml", "<worksheet><sheetData><row>"}},
         "表格文件中的XML格式错误"},
        {"escape.xlsx",
         {{"xl/workbook.xml", workbook}, {"xl/_rels/workbook.xml.rels", rels}},
         "表格文件缺少工作表内容"},
        {"empty.xlsx", {{"xl/workbook.xml", "<workbook/>"}}, "表格文件中没有工作表"},
    };
    for (const auto& c : cases) {
        makeZip(path(c.name), c.entries);
        const SheetReadResult read = readSheetFile(path(c.name));
        EXPECT_FALSE(read.ok) << c.name;
        EXPECT_TRUE(read.message.startsWith(QString::fromUtf8(c.message)))
            << c.name << ": " << read.message.toStdString();
    }
    writeBytes(path("text.xlsx"), "not a zip");
    EXPECT_FALSE(readSheetFile(path("text.xlsx")).ok);
    EXPECT_FALSE(readSheetFile(path("missing.xlsx")).ok);
    EXPECT_FALSE(readSheetFile(path("a.ods")).ok);
}

// Few bytes that would spread into millions of cells: refused before memory runs out.
TEST_F(SheetReadTest, SheetsOfTooManyCellsAreRefused) {
    QByteArray rows;
    for (int r = 1; r <= kMaxSheetCells / kMaxSheetColumns + 1; ++r)
        rows += "<row r=\"" + QByteArray::number(r) + "\"><c r=\"IV" + QByteArray::number(r) +
                "\"><v>1</v></c><c r=\"A" + QByteArray::number(r) + "\"><v>1</v></c></row>";
    makeZip(path("wide.xlsx"),
            {{"xl/workbook.xml", "<workbook><sheets><sheet name=\"S\"/></sheets></workbook>"},
             {"xl/worksheets/sheet1.xml",
              "<worksheet><sheetData>" + rows + "</sheetData></worksheet>"}});
    SheetReadResult read = readSheetFile(path("wide.xlsx"));
    EXPECT_FALSE(read.ok);
    EXPECT_TRUE(read.message.startsWith(QStringLiteral("表格文件过大，拒绝读取")))
        << read.message.toStdString();

    writeBytes(path("commas.csv"), QByteArray(kMaxSheetCells + 1, ','));
    read = readSheetFile(path("commas.csv"));
    EXPECT_FALSE(read.ok);
    EXPECT_TRUE(read.message.startsWith(QStringLiteral("表格文件过大，拒绝读取")));
}

TEST_F(SheetReadTest, CsvEncodingAndSeparatorAreDetected) {
    const QString text = QStringLiteral("姓名|卡号|金额\n张三|6222|1234.10\n");
    const auto with = [&text](char separator) {
        return QString(text).replace(QLatin1Char('|'), QLatin1Char(separator));
    };
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"utf8.csv", with(',').toUtf8()},
        {"bom.csv", "\xEF\xBB\xBF" + with(';').toUtf8()},
        {"gbk.csv", *encodeGbk(with('\t'))},
    };
    for (const auto& c : cases) {
        writeBytes(path(c.name), c.bytes);
        const SheetReadResult read = readSheetFile(path(c.name));
        ASSERT_TRUE(read.ok) << c.name;
        ASSERT_EQ(read.table.rows.size(), 2u) << c.name;
        EXPECT_EQ(texts(read.table.rows[0]), (QStringList{"姓名", "卡号", "金额"})) << c.name;
        EXPECT_EQ(texts(read.table.rows[1]), (QStringList{"张三", "6222", "1234.10"})) << c.name;
    }
}

TEST_F(SheetReadTest, CsvQuotesHoldSeparatorsQuotesAndLineBreaks) {
    writeBytes(path("q.csv"), "a,b\r\n\"x,1\",\"say \"\"hi\"\"\"\r\n\r\n\"two\nlines\",z\r\n");
    const SheetReadResult read = readSheetFile(path("q.csv"));
    ASSERT_TRUE(read.ok);
    ASSERT_EQ(read.table.rows.size(), 3u);
    EXPECT_EQ(texts(read.table.rows[1]), (QStringList{"x,1", "say \"hi\""}));
    EXPECT_EQ(read.table.rows[1].number, 2);
    EXPECT_EQ(texts(read.table.rows[2]), (QStringList{"two\nlines", "z"}));
    EXPECT_EQ(read.table.rows[2].number, 4);
}

} // namespace
