#include "cli/tests/RunCli.h"

#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

CliRun amount(const QStringList& arguments) {
    return runCli(QStringList{QStringLiteral("amount")} + arguments);
}

QString q(const char* text) {
    return QString::fromUtf8(text);
}

const QString kTitle = q("澄川银行企业网上银行批量制单工具v1.2");

TEST(AmountCommand, PrintsTheCapitalSpellingAndBothDisplayForms) {
    const struct {
        const char* action;
        const char* text;
        const char* printed;
    } cases[] = {
        {"capital", "10001", "壹万零壹元整"},
        {"capital", "1,234,567,890,123.45",
         "壹兆贰仟叁佰肆拾伍亿陆仟柒佰捌拾玖万零壹佰贰拾叁元肆角伍分"},
        {"capital", "0.00", ""},
        {"format", " 1234567.8 ", "1,234,567.80"},
        {"format", "0012", "12.00"},
        {"format", ".5", "0.50"},
        {"typed", "1234.", "1,234."},
        {"typed", "1,234.5", "1,234.5"},
        {"check", "100000000000.00", "100,000,000,000.00"},
        {"check", "0.01", "0.01"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.action) + " " + c.text);
        const CliRun run = amount({q(c.action), q(c.text)});
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.out, q(c.printed) + u'\n');
        EXPECT_EQ(run.err, QString());
    }
}

TEST(AmountCommand, RefusedAmountPrintsItsMessageAndFails) {
    const struct {
        const char* action;
        const char* text;
        const char* message;
    } cases[] = {
        {"check", "100000000000.01", "金额超过系统最大单笔限制"},
        {"check", "0.00", "金额必须大于零元"},
        {"check", "12.345", "金额格式错误"},
        {"check", "  ", "请输入金额"},
        {"capital", "-1", "金额格式错误"},
        {"format", "abc", "金额格式错误"},
        {"format", "1234567.891", "金额格式错误"},
        {"typed", "", "金额格式错误"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.action) + " " + c.text);
        const CliRun run = amount({q(c.action), q(c.text)});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.out, QString());
        EXPECT_EQ(run.err, kTitle + QStringLiteral(": ") + q(c.message) + u'\n');
    }
}

TEST(AmountCommand, BadUsageExitsWithTwo) {
    for (const QStringList& arguments :
         {QStringList{}, QStringList{QStringLiteral("capital")},
          QStringList{QStringLiteral("spell"), QStringLiteral("1")},
          QStringList{QStringLiteral("check"), QStringLiteral("1"), QStringLiteral("2")}}) {
        SCOPED_TRACE(arguments.join(u' ').toStdString());
        const CliRun run = amount(arguments);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.err.contains(QStringLiteral("payslipdesk-cli amount")));
    }
}

} // namespace
