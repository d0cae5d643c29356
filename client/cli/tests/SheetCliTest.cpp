#include "cli/tests/RunCli.h"
#include "config/GbkCodec.h"
#include "sheets/tests/SheetMaker.h"
#include "testsupport/TempProgramFolder.h"

#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

// payslipdesk-cli payroll|payments import-sheet, export-sheet and summary from the staged program
// folder, run as a child process on a copy of the delivered database.
class SheetCliTest : public ::testing::Test {
protected:
    CliRun cli(const QStringList& arguments) const {
        return runCli(QStringList{"--home", home_.folder()} + arguments);
    }
    QString path(const char* name) const { return home_.path(QString::fromUtf8(name)); }
    QStringList payroll() const {
        return home_.rows("select acc_no,acc_name,pay_amount from laborage order by serial_no");
    }

    TempProgramFolder home_{QStringLiteral(PSD_TEST_USERDB)};
};

TEST_F(SheetCliTest, PayrollImportReplacesOrAppendsAndRefusesABadRow) {
    writeBytes(path("gbk.csv"), *encodeGbk(QStringLiteral("姓名,卡号,实发金额\r\n"
                                                          "张三,6222000011111111,\"1,234.10\"\r\n"
                                                          "李四,6222000011112222,0.5\r\n")));
    CliRun run = cli({"payroll", "import-sheet", path("gbk.csv")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("表格导入完毕，共导入2条指令"));
    EXPECT_EQ(payroll(),
              (QStringList{"6222000011111111|张三|1234.1", "6222000011112222|李四|0.5"}));

    run = cli({"payroll", "import-sheet", path("gbk.csv")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("--append")) << run.err.toStdString();
    EXPECT_EQ(payroll().size(), 2);

    run = cli({"payroll", "import-sheet", path("gbk.csv"), "--append"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(payroll().size(), 4);

    std::vector<MadeRow> rows = {{"账号", "户名", "金额"}};
    for (int r = 2; r <= 8; ++r)
        rows.push_back({QString("62220000%1").arg(r), "王五", r == 7 ? MadeCell{"-3"} : 1.0});
    makeXlsx(path("bad.xlsx"), rows);
    run = cli({"--yes", "payroll", "import-sheet", path("bad.xlsx")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("第7条记录中的金额格式错误，文件导入被中止"))
        << run.err.toStdString();
    EXPECT_EQ(payroll().size(), 4);

    makeXlsx(path("two.xlsx"),
             {{QStringLiteral("一月"), {{"账号", "户名", "金额"}, {"1", "甲", 1.0}}},
              {QStringLiteral("二月"), {{"账号", "户名", "金额"}, {"2", "乙", 2.0}}}});
    run = cli({"payroll", "import-sheet", path("two.xlsx"), "--sheet", "二月", "--append"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(payroll().last(), QStringLiteral("2|乙|2"));

    for (const QStringList& wrong :
         {QStringList{"payroll", "import-sheet", path("gbk.csv"), "--replace"},
          QStringList{"payroll", "import-sheet", path("two.xlsx"), "--sheet"},
          QStringList{"payroll", "export-sheet", path("x.xlsx"), "--append"},
          QStringList{"payments", "summary"}})
        EXPECT_EQ(cli(wrong).exitCode, 2) << wrong.join(' ').toStdString();
}

TEST_F(SheetCliTest, PaymentsExportAndSummaryWriteTheirFiles) {
    makeXlsx(path("pay.xlsx"), {{"付款账号", "付款账户户名", "收款账号", "收款账户户名", "金额"},
                                {"1001", "甲公司", "2001", "乙公司", 1234.1},
                                {"1001", "甲公司", "2002", "丙公司", 0.1 + 0.2}});
    CliRun run = cli({"payments", "import-sheet", path("pay.xlsx")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();

    run = cli({"payments", "export-sheet", path("out.xlsx")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("表格文件生成完毕"));
    QFile sheet(path("out.xlsx"));
    ASSERT_TRUE(sheet.open(QIODevice::ReadOnly));
    EXPECT_TRUE(sheet.read(2) == "PK");

    run = cli({"payments", "summary", path("out.pdf")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), path("out.pdf"), "-"});
    ASSERT_TRUE(text.waitForFinished(60000));
    const QString pdf = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(pdf.contains("付款账户：1001 甲公司")) << pdf.toStdString();
    EXPECT_TRUE(pdf.contains("金额（大写）：壹仟贰佰叁拾肆元肆角"));
    EXPECT_TRUE(pdf.contains("第 1 页 / 共 1 页"));

    run = cli({"payments", "summary", path("out.pdf")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("--yes"));
}

} // namespace
