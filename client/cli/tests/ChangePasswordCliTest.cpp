#include "cli/tests/RunCli.h"
#include "testsupport/TempProgramFolder.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace {

// payslipdesk-cli from the staged program folder on a copy of the delivered database
// (password 12345678).
class ChangePasswordCli : public ::testing::Test {
protected:
    CliRun cli(const QStringList& arguments) const {
        return runCli(QStringList{"--home", home_.folder()} + arguments);
    }
    static QString box(const char* text) {
        return QStringLiteral("澄川银行企业网上银行批量制单工具v1.2: ") + QString::fromUtf8(text) +
               QLatin1Char('\n');
    }

    TempProgramFolder home_{QStringLiteral(PSD_TEST_USERDB)};
};

TEST_F(ChangePasswordCli, TheNewPasswordLogsInAndTheOldOneNoLonger) {
    const CliRun changed = cli({"password", "12345678", "Desk2024"});
    EXPECT_EQ(changed.exitCode, 0);
    EXPECT_EQ(changed.err, box("密码修改成功"));
    EXPECT_EQ(cli({"login", "12345678"}).exitCode, 1);
    EXPECT_EQ(cli({"login", "Desk2024"}).exitCode, 0);
}

TEST_F(ChangePasswordCli, RefusalsShowTheDialogsMessages) {
    const struct {
        QStringList arguments;
        const char* message;
    } cases[] = {
        {{"password", "", "abc"}, "请输入当前登录密码"},
        {{"password", "1234567!", "abc"}, "当前密码中存在非数字与字母,请重新输入"},
        {{"password", "12345678", ""}, "请输入新登录密码"},
        {{"password", "12345678", "123456789"}, "新登录中存在非数字与字母,请重新输入"},
        {{"password", "12345678", "12345678"}, "新密码与当前登录密码一致，请重新输入新密码"},
        {{"password", "87654321", "abc"}, "当前密码错误，请从新输入当前登录密码"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        const CliRun refused = cli(c.arguments);
        EXPECT_EQ(refused.exitCode, 1);
        EXPECT_EQ(refused.err, box(c.message));
    }
    EXPECT_EQ(cli({"login", "12345678"}).exitCode, 0);
}

TEST_F(ChangePasswordCli, WrongArgumentCountIsBadUsage) {
    for (const QStringList& arguments :
         {QStringList{"password"}, QStringList{"password", "12345678"},
          QStringList{"password", "12345678", "a", "a"}})
        EXPECT_EQ(cli(arguments).exitCode, 2);
    EXPECT_EQ(cli({"login", "12345678"}).exitCode, 0);
}

} // namespace
