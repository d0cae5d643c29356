#include "amount/AmountConvert.h"
#include "amount/AmountFen.h"
#include "config/SharedConfig.h"
#include "files/ClientMessages.h"
#include "sheets/BatchSummary.h"
#include "sheets/SheetCommands.h"
#include "sheets/XlsxReader.h"
#include "store/DBAccess.h"
#include "store/ScriptedPrompter.h"
#include "testsupport/ClientFixture.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <memory>

namespace {

class SheetWriteTest : public ClientFixture {
protected:
    void addPayroll(int count) const {
        QStringList values;
        for (int i = 1; i <= count; ++i)
            values << QStringLiteral("('20260105120000%1','62220000%1','职工%2','%3','工资')")
                          .arg(i, 8, 10, QLatin1Char('0'))
                          .arg(i)
                          .arg(i == 1 ? QStringLiteral("1234.1") : QStringLiteral("0.5"));
        home_.sql(QStringLiteral("insert into laborage (serial_no,acc_no,acc_name,pay_amount,"
                                 "remark) values ") +
                  values.join(','));
    }
    // The text in drawing order, blanks between CJK words kept.
    QString pdfText(const QString& pdf) const {
        QProcess process;
        process.start(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), pdf, "-"});
        EXPECT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitCode(), 0);
        return QString::fromUtf8(process.readAllStandardOutput());
    }
};

TEST_F(SheetWriteTest, TheWrittenSheetHoldsTheGridNumbersAndTotalsAndImportsBack) {
    addPayroll(2);
    const QString file = path("out.xlsx");
    ASSERT_EQ(exportBatchSheet(*db_, messages_, BatchKind::Payroll, [&] { return file; }).status,
              FileCommandOutcome::Status::Done);
    EXPECT_EQ(prompter_.texts(), QStringList{"表格文件生成完毕"});
    const SheetReadResult read = readXlsxSheet(file);
    ASSERT_TRUE(read.ok) << read.message.toStdString();
    ASSERT_EQ(read.table.rows.size(), 5u);
    QStringList header;
    for (const SheetCell& cell : read.table.rows[0].cells)
        header << cell.text;
    EXPECT_EQ(header, (QStringList{"序号", "流水号", "账号", "户名", "金额", "备注"}));
    const SheetCell& amount = read.table.rows[1].cells.at(4);
    EXPECT_TRUE(amount.number);
    EXPECT_EQ(amount.text, QStringLiteral("1234.1"));
    EXPECT_EQ(read.table.rows[3].cells.at(0).text, QStringLiteral("合计"));
    EXPECT_EQ(read.table.rows[3].cells.at(4).text, QStringLiteral("1234.6"));
    EXPECT_EQ(read.table.rows[4].cells.at(1).text, QStringLiteral("壹仟贰佰叁拾肆元陆角"));

    prompter_.clear();
    ASSERT_EQ(
        importSheetFile(*db_, messages_, BatchKind::Payroll, file, ImportMode::Replace).status,
        FileCommandOutcome::Status::Done);
    EXPECT_EQ(home_.rows("select acc_no,pay_amount from laborage order by serial_no"),
              (QStringList{"6222000000000001|1234.1", "6222000000000002|0.5"}));
}

TEST_F(SheetWriteTest, AnEmptyBatchWritesNothing) {
    const QString file = path("none.xlsx");
    EXPECT_EQ(exportBatchSheet(*db_, messages_, BatchKind::Payment, [&] { return file; }).status,
              FileCommandOutcome::Status::Failed);
    EXPECT_EQ(prompter_.texts(), QStringList{"无指令需要导出表格"});
    EXPECT_FALSE(QFile::exists(file));
}

TEST_F(SheetWriteTest, AThreePageSummaryNumbersItsPagesAndSpellsTheTotal) {
    int rows = 1;
    while (summaryPageCount(BatchKind::Payroll, rows) < 3)
        ++rows;
    addPayroll(rows);
    const QString pdf = path("summary.pdf");
    ASSERT_EQ(writeBatchSummary(
                  *db_, messages_, BatchKind::Payroll, [&] { return pdf; }, QDate(2026, 12, 10))
                  .status,
              FileCommandOutcome::Status::Done);
    const QString text = pdfText(pdf);
    for (const char* expected :
         {"代发工资/代报销指令汇总单", "第 1 页 / 共 3 页", "第 3 页 / 共 3 页", "2026年12月10日",
          "制单", "复核", "审批", "职工1"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
    const QString capital = convertToCapital(fenToAmount(123410 + 50 * (rows - 1)));
    EXPECT_TRUE(text.contains(QStringLiteral("金额（大写）：") + capital)) << capital.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("职工%1").arg(rows)));
    EXPECT_FALSE(text.contains(QStringLiteral("第 4 页")));
}

TEST_F(SheetWriteTest, AccountsAndAmountsAreNeverCutWhileLongNamesAre) {
    const QString longName(60, QChar(0x540D));
    home_.sql(QStringLiteral("insert into payment (serial_no,pay_acc_no,pay_acc_name,rec_acc_type,"
                             "rec_acc_no,rec_acc_name,rec_bank_name,pay_amt,remark,remit_type) "
                             "values ('2026010512000000010001','1100123456789012345','%1','02',"
                             "'6222020200001234567','%1','%1','98765432.10','%1','0')")
                  .arg(longName));
    const QString pdf = path("pay.pdf");
    ASSERT_EQ(writeBatchSummary(*db_, messages_, BatchKind::Payment, [&] { return pdf; }).status,
              FileCommandOutcome::Status::Done);
    const QString text = pdfText(pdf);
    for (const char* whole : {"1100123456789012345", "6222020200001234567", "98,765,432.10"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(whole))) << whole;
    EXPECT_FALSE(text.contains(longName + QStringLiteral(" 6222")));
    EXPECT_TRUE(text.contains(QStringLiteral("…")));
}

} // namespace
