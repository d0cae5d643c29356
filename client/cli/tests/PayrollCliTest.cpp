#include "cli/tests/RunCli.h"
#include "testsupport/TempProgramFolder.h"

#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

// payslipdesk-cli payroll from the staged program folder, run as a child process on a copy of
// the delivered database.
class PayrollCliTest : public ::testing::Test {
protected:
    CliRun cli(const QStringList& arguments) const {
        return runCli(QStringList{"--home", home_.folder(), "payroll"} + arguments);
    }
    void sql(const char* statement) const { home_.sql(QString::fromUtf8(statement)); }
    void addTwoInstructions() const {
        sql("insert into laborage (serial_no,acc_no,acc_name,pay_amount,remark) values "
            "('2026010512000000010001','6222000011111111','张三','1000','工资'),"
            "('2026010512000000020002','6222000011112222','李四','0.5','报销')");
    }

    TempProgramFolder home_{QStringLiteral(PSD_TEST_USERDB)};
};

TEST_F(PayrollCliTest, ListPrintsTheGridAndTheTotals) {
    addTwoInstructions();
    const CliRun run = cli({"list"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out.toStdString(),
              "序号\t流水号\t账号\t户名\t金额\t备注\n"
              "1\t2026010512000000010001\t6222000011111111\t张三\t1,000.00\t工资\n"
              "2\t2026010512000000020002\t6222000011112222\t李四\t0.50\t报销\n"
              "总笔数\t2\t总金额\t1,000.50\t大写金额\t壹仟元伍角\n");
}

TEST_F(PayrollCliTest, WriteThenLoadRebuildsTheBatch) {
    addTwoInstructions();
    const QString file = home_.path("batch.dfz");
    const CliRun written = cli({"write", file});
    EXPECT_EQ(written.exitCode, 0) << written.err.toStdString();
    EXPECT_TRUE(written.err.contains("代发工资/代报销文件生成完毕"));
    ASSERT_TRUE(QFile::exists(file));

    const CliRun kept = cli({"write", file});
    EXPECT_EQ(kept.exitCode, 1);
    EXPECT_TRUE(kept.err.contains("该文件名已经存在，是否覆盖原有文件?"));

    const CliRun refused = cli({"load", file});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains("文件导入时原有数据将被全部清空"));
    EXPECT_TRUE(refused.err.contains("--yes"));

    sql("update laborage set remark='改过'");
    const CliRun loaded = cli({"load", file, "--yes"});
    EXPECT_EQ(loaded.exitCode, 0) << loaded.err.toStdString();
    EXPECT_TRUE(loaded.err.contains("导入代发工资/代报销文件完毕"));
    const CliRun listed = cli({"list"});
    EXPECT_TRUE(listed.out.contains("\t张三\t1,000.00\t工资\n"));
    EXPECT_TRUE(listed.out.contains("总笔数\t2\t总金额\t1,000.50\t"));
    EXPECT_EQ(home_.rows("select acc_no,acc_name from person_payee_acc order by acc_no"),
              (QStringList{"6222000011111111|张三", "6222000011112222|李四"}));
}

TEST_F(PayrollCliTest, FailuresExitNonZeroWithTheirMessages) {
    const QString file = home_.path("none.dfz");
    const CliRun empty = cli({"write", file});
    EXPECT_EQ(empty.exitCode, 1);
    EXPECT_TRUE(empty.err.contains("无指令需要生成代发工资/代报销文件"));
    EXPECT_FALSE(QFile::exists(file));

    QFile bad(home_.path("bad.dfz"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("<?xml version=\"1.0\"?><GZFile><Record><RecAcc>1</RecAcc><RecAccName>A"
              "</RecAccName><Money>1.234</Money></Record></GZFile>");
    bad.close();
    const CliRun money = cli({"load", bad.fileName()});
    EXPECT_EQ(money.exitCode, 1);
    EXPECT_TRUE(money.err.contains("第1条记录中的金额格式错误，文件导入被中止"));
    EXPECT_EQ(home_.count("laborage"), 0);
    EXPECT_EQ(home_.count("person_payee_acc"), 0);

    EXPECT_EQ(cli({"frobnicate"}).exitCode, 2);
    EXPECT_EQ(cli({"load"}).exitCode, 2);
}

} // namespace
