#include "cli/tests/RunCli.h"
#include "testsupport/TempProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

// payslipdesk-cli from the staged program folder, run as a child process on a copy of the
// delivered database.
class PaymentsCliTest : public ::testing::Test {
protected:
    CliRun cli(const QStringList& arguments) const {
        return runCli(QStringList{"--home", home_.folder(), "payments"} + arguments);
    }
    void sql(const char* statement) const { home_.sql(QString::fromUtf8(statement)); }
    int payments() const { return home_.count(QStringLiteral("payment")); }
    void addTwoPayments() const {
        sql("insert into payment (serial_no,pay_acc_no,pay_acc_name,rec_acc_type,rec_acc_no,"
            "rec_acc_name,rec_bank_name,same_city_liquidate_no,province,city,presentBankNo,"
            "pay_amt,remark,user_remark,remit_type) values "
            "('2024010112000000010001','1001','甲公司','00','2001','乙公司','澄川银行','','','',"
            "'','1000','货款','','0'),"
            "('2024010112000000020002','1001','甲公司','01','2002','丙公司','工商银行','102',''"
            ",'','','0.5','运费','','1')");
    }

    TempProgramFolder home_{QStringLiteral(PSD_TEST_USERDB)};
};

TEST_F(PaymentsCliTest, ListPrintsTheGridAndTheTotals) {
    addTwoPayments();
    const CliRun run = cli({"list"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[0].startsWith("序号\t指令序号\t付款账号\t"));
    EXPECT_EQ(lines[1],
              "1\t2024010112000000010001\t1001\t甲公司\t行内\t2001\t乙公司\t普通\t澄川银行"
              "\t\t\t\t\t1,000.00\t货款");
    EXPECT_TRUE(lines[2].startsWith("2\t2024010112000000020002\t"));
    EXPECT_EQ(lines[3], "总笔数\t2\t总金额\t1,000.50\t大写金额\t壹仟元伍角");
}

TEST_F(PaymentsCliTest, WriteThenLoadRebuildsTheBatch) {
    addTwoPayments();
    const QString file = home_.path("batch.plz");
    const CliRun written = cli({"write", file});
    EXPECT_EQ(written.exitCode, 0) << written.err.toStdString();
    EXPECT_TRUE(written.err.contains("批量支付文件生成完毕"));
    ASSERT_TRUE(QFile::exists(file));

    const CliRun kept = cli({"write", file});
    EXPECT_EQ(kept.exitCode, 1);
    EXPECT_TRUE(kept.err.contains("该文件名已经存在，是否覆盖原有文件?"));
    const CliRun replaced = cli({"--yes", "write", file});
    EXPECT_EQ(replaced.exitCode, 0) << replaced.err.toStdString();

    const CliRun refused = cli({"load", file});
    EXPECT_NE(refused.exitCode, 0);
    EXPECT_TRUE(refused.err.contains("文件导入时原有数据将被全部清空"));
    EXPECT_TRUE(refused.err.contains("--yes"));

    sql("update payment set remark='改过'");
    const CliRun loaded = cli({"load", file, "--yes"});
    EXPECT_EQ(loaded.exitCode, 0) << loaded.err.toStdString();
    EXPECT_TRUE(loaded.err.contains("导入批量付款文件完毕"));
    EXPECT_EQ(payments(), 2);
    EXPECT_TRUE(cli({"list"}).out.contains("\t货款\n"));
}

TEST_F(PaymentsCliTest, FailuresExitNonZeroWithTheirMessages) {
    const QString file = home_.path("none.plz");
    const CliRun empty = cli({"write", file});
    EXPECT_EQ(empty.exitCode, 1);
    EXPECT_TRUE(empty.err.contains("无指令需要生成批量支付文件"));
    EXPECT_FALSE(QFile::exists(file));

    QFile bad(home_.path("bad.plz"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("<?xml version=\"1.0\"?><BPFile><RecordList><Record><CurrencyType>02"
              "</CurrencyType></Record></RecordList></BPFile>");
    bad.close();
    const CliRun currency = cli({"load", bad.fileName(), "--yes"});
    EXPECT_EQ(currency.exitCode, 1);
    EXPECT_TRUE(currency.err.contains("第1条记录中的币种不支持，文件导入被中止"));

    EXPECT_EQ(cli({"frobnicate"}).exitCode, 2);
    EXPECT_EQ(cli({"write"}).exitCode, 2);
}

// Files named on the command line: reported in Chinese by name, a missing one before the
// question about the batch, and no system text of its own.
TEST_F(PaymentsCliTest, MissingOrUnreadableFilesAreNamedBeforeAnyQuestion) {
    addTwoPayments();
    const QString missing = home_.path("missing.plz");
    const QString folder = home_.path("folder.plz");
    ASSERT_TRUE(QDir().mkpath(folder));
    const struct {
        QStringList arguments;
        QString message;
    } cases[] = {
        {{"load", missing}, "找不到文件：" + missing},
        {{"--yes", "load", missing}, "找不到文件：" + missing},
        {{"load", folder}, "文件无法读取：" + folder},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const CliRun run = cli(c.arguments);
        EXPECT_EQ(run.exitCode, 1);
        const QStringList lines = run.err.split('\n', Qt::SkipEmptyParts);
        ASSERT_EQ(lines.size(), 1) << run.err.toStdString();
        EXPECT_TRUE(lines[0].endsWith(": " + c.message)) << lines[0].toStdString();
        EXPECT_EQ(payments(), 2);
    }

    const QString nowhere = home_.path("no-such-folder/batch.plz");
    const CliRun write = cli({"write", nowhere});
    EXPECT_EQ(write.exitCode, 1);
    EXPECT_TRUE(write.err.contains("文件读写错误，批量支付文件生成失败"));
    EXPECT_TRUE(write.err.endsWith("无法写入文件：" + nowhere + "\n")) << write.err.toStdString();
    EXPECT_FALSE(write.err.contains("No such")) << write.err.toStdString();
}

} // namespace
