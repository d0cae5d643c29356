#include "cli/tests/RunCli.h"
#include "testsupport/TempProgramFolder.h"

#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

// The reference list commands of payslipdesk-cli, run from the staged program folder as child
// processes on a copy of the delivered database.
class RefListCliTest : public ::testing::Test {
protected:
    CliRun cli(const QStringList& arguments) const {
        return runCli(QStringList{"--home", home_.folder()} + arguments);
    }
    void sql(const QString& statement) const { home_.sql(statement); }
    QStringList rows(const QString& query) const { return home_.rows(query); }

    TempProgramFolder home_{QStringLiteral(PSD_TEST_USERDB)};
};

TEST_F(RefListCliTest, PayersListExportAndImport) {
    sql("insert into pay_acc (acc_no,acc_name) values ('6222000000000000000001','甲&乙')");
    const CliRun listed = cli({"payers", "list"});
    EXPECT_EQ(listed.exitCode, 0) << listed.err.toStdString();
    EXPECT_EQ(listed.out, "序号\t付款账号\t户名\t币种\n"
                          "1\t6222000000000000000001\t甲&乙\t人民币\n"
                          "总笔数\t1\n");

    const QString file = home_.path("payers.xml");
    const CliRun exported = cli({"payers", "export", file});
    EXPECT_EQ(exported.exitCode, 0) << exported.err.toStdString();
    EXPECT_TRUE(exported.err.contains("导出付款账号完毕"));
    const CliRun kept = cli({"payers", "export", file});
    EXPECT_EQ(kept.exitCode, 1);
    EXPECT_TRUE(kept.err.contains("该文件名已经存在，是否覆盖原有文件?"));

    sql("delete from pay_acc");
    const CliRun imported = cli({"payers", "import", file});
    EXPECT_EQ(imported.exitCode, 0) << imported.err.toStdString();
    EXPECT_TRUE(imported.err.contains("导入付款账号完毕"));
    EXPECT_EQ(rows("select acc_no,acc_name from pay_acc"),
              QStringList{"6222000000000000000001|甲&乙"});
}

TEST_F(RefListCliTest, PayersRefusalsExitNonZero) {
    const CliRun empty = cli({"payers", "export", home_.path("none.xml")});
    EXPECT_EQ(empty.exitCode, 1);
    EXPECT_TRUE(empty.err.contains("没有记录可以导出"));
    EXPECT_FALSE(QFile::exists(home_.path("none.xml")));

    QFile bad(home_.path("short.xml"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("<AccountSet><Account><AccountNO>123</AccountNO><AccountName>甲</AccountName>"
              "</Account></AccountSet>");
    bad.close();
    const CliRun refused = cli({"payers", "import", bad.fileName()});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains("付款账号长度错误[123]，文件导入中止"));

    EXPECT_EQ(cli({"payers"}).exitCode, 2);
    EXPECT_EQ(cli({"payers", "export"}).exitCode, 2);
}

TEST_F(RefListCliTest, RemarksListExportInFilesOfTenAndImport) {
    for (int i = 1; i <= 11; ++i)
        sql(QStringLiteral("insert into user_remark (remark) values ('备注%1')")
                .arg(i, 2, 10, QLatin1Char('0')));
    const CliRun listed = cli({"remarks", "list"});
    EXPECT_EQ(listed.exitCode, 0) << listed.err.toStdString();
    EXPECT_TRUE(listed.out.startsWith("序号\t备注\n1\t备注01\n"));
    EXPECT_TRUE(listed.out.endsWith("11\t备注11\n总笔数\t11\n"));

    const CliRun exported = cli({"remarks", "export", home_.path("r.XML")});
    EXPECT_EQ(exported.exitCode, 0) << exported.err.toStdString();
    EXPECT_TRUE(exported.err.contains("导出备注完毕"));
    ASSERT_TRUE(QFile::exists(home_.path("r-2.xml")));

    sql("delete from user_remark");
    const CliRun imported = cli({"remarks", "import", home_.path("r-2.xml")});
    EXPECT_EQ(imported.exitCode, 0) << imported.err.toStdString();
    EXPECT_EQ(rows("select remark from user_remark"), QStringList{"备注11"});
    EXPECT_EQ(cli({"remarks", "import"}).exitCode, 2);
}

TEST_F(RefListCliTest, RosterListAndExportWithoutImport) {
    sql("insert into person_payee_acc (acc_no,acc_name,cert_type,cert_code) values "
        "('6217000000000000001','张三','1','X')");
    const CliRun listed = cli({"roster", "list"});
    EXPECT_EQ(listed.exitCode, 0) << listed.err.toStdString();
    EXPECT_EQ(listed.out, "序号\t个人账号\t户名\n1\t6217000000000000001\t张三\n总笔数\t1\n");
    const CliRun exported = cli({"roster", "export", home_.path("roster.xml")});
    EXPECT_EQ(exported.exitCode, 0) << exported.err.toStdString();
    EXPECT_TRUE(exported.err.contains("导出导出代发工资/代报销名册完毕"));
    EXPECT_EQ(cli({"roster", "import", home_.path("roster.xml")}).exitCode, 2);
}

TEST_F(RefListCliTest, PayeesListEachKindAndExport) {
    sql("insert into payee_acc values ('2001','乙','00','','','','','','','',''),"
        "('2001','乙','01','','','','工商银行','102','','','')");
    const CliRun listed = cli({"payees", "list"});
    EXPECT_EQ(listed.exitCode, 0) << listed.err.toStdString();
    EXPECT_EQ(listed.out, "序号\t收款账号\t户名\n1\t2001\t乙\n总笔数\t1\n"
                          "序号\t收款账号\t户名\t收款银行名称\t同城清算行号\n"
                          "1\t2001\t乙\t工商银行\t102\n总笔数\t1\n"
                          "序号\t收款账号\t户名\t省份\t城市\t收款银行名称\t现代支付行号\n"
                          "总笔数\t0\n");
    const CliRun exported = cli({"payees", "export", home_.path("payees.xml")});
    EXPECT_EQ(exported.exitCode, 0) << exported.err.toStdString();
    EXPECT_TRUE(exported.err.contains("导出收款人名册完毕"));
    EXPECT_EQ(cli({"payees", "import", home_.path("payees.xml")}).exitCode, 2);
}

} // namespace
