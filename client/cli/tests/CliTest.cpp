#include "cli/tests/RunCli.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// payslipdesk-cli from the staged program folder, run as a child process.
class CliTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    void copyDeliveredDatabase() const {
        ASSERT_TRUE(QFile::copy(QStringLiteral(PSD_TEST_USERDB), database()));
        QFile::setPermissions(database(), QFile::ReadOwner | QFile::WriteOwner);
    }
    QString database() const { return dir.filePath("userdb.db"); }

    static CliRun cli(const QStringList& arguments) { return runCli(arguments); }

    QTemporaryDir dir;
};

TEST_F(CliTest, HelpNamesOptionsAndCommands) {
    const CliRun run = cli({"--help"});
    EXPECT_EQ(run.exitCode, 0);
    for (const char* word :
         {"--home DIR", "--yes", "--version", "login PASSWORD", "password OLD NEW"})
        EXPECT_TRUE(run.out.contains(QString::fromUtf8(word))) << word;
}

TEST_F(CliTest, VersionIsOnePointTwo) {
    const CliRun run = cli({"--version"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, QStringLiteral("payslipdesk-cli 1.2\n"));
}

TEST_F(CliTest, BadUsageExitsWithTwo) {
    EXPECT_EQ(cli({}).exitCode, 2);
    const CliRun unknown = cli({"--home", dir.path(), "frobnicate"});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_TRUE(unknown.err.contains(QStringLiteral("frobnicate")));
    EXPECT_EQ(cli({"--home", dir.path(), "login"}).exitCode, 2);
}

TEST_F(CliTest, LoginChecksThePasswordOfTheNamedFolder) {
    copyDeliveredDatabase();
    const CliRun right = cli({"--home", dir.path(), "login", "12345678"});
    EXPECT_EQ(right.exitCode, 0);
    EXPECT_EQ(right.out, QStringLiteral("登录密码正确\n"));
    EXPECT_EQ(right.err, QString());
    const CliRun wrong = cli({"login", "--home=" + dir.path(), "87654321"});
    EXPECT_EQ(wrong.exitCode, 1);
    EXPECT_EQ(wrong.err, QStringLiteral("登录: 无效的登录密码，请重试!\n"));
    const CliRun rule = cli({"--home", dir.path(), "login", "123456789"});
    EXPECT_EQ(rule.exitCode, 1);
    EXPECT_EQ(rule.err, QStringLiteral("Error: 密码输入错误\n"));
}

TEST_F(CliTest, HomeComesFromTheEnvironmentToo) {
    copyDeliveredDatabase();
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("PAYSLIPDESK_HOME", dir.path());
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(PSD_CLIENT_DIR "/payslipdesk-cli"), {"login", "12345678"});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0);
}

TEST_F(CliTest, MissingDatabaseIsADatabaseError) {
    const CliRun run = cli({"--home", dir.path(), "login", "12345678"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, QStringLiteral("Database error: 找不到数据库文件: ") + database() + '\n');
}

TEST_F(CliTest, CorruptDatabaseIsADatabaseError) {
    QFile file(database());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, 'x'));
    file.close();
    const CliRun run = cli({"--home", dir.path(), "login", "12345678"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, QStringLiteral("Database error: 数据库文件无法打开或已损坏: ") + database() +
                           QStringLiteral(" (file is not a database)\n"));
    EXPECT_TRUE(run.out.isEmpty());
}

} // namespace
