#include "amount/AmountChecks.h"

#include <gtest/gtest.h>

namespace {

struct FileCase {
    const char* money;
    FileAmount::Check check;
    const char* plain;
};

TEST(CheckFileAmount, RefusesEmptyMalformedAndTooLargeButPassesZero) {
    using Check = FileAmount::Check;
    const FileCase cases[] = {
        {"", Check::Empty, ""},
        {",", Check::Empty, ""},
        {"12.345", Check::Malformed, "12.345"},
        {"-1", Check::Malformed, "-1"},
        {"1 234", Check::Malformed, "1 234"},
        {"abc", Check::Malformed, "abc"},
        {"100000000000.01", Check::TooLarge, "100000000000.01"},
        {"99999999999999999999", Check::TooLarge, "99999999999999999999"},
        {"1e3", Check::Malformed, "1e3"},
        {"100,000,000,000.00", Check::Ok, "100000000000.00"},
        {"0", Check::Ok, "0"},
        {"0.00", Check::Ok, "0.00"},
        {"1,234.5", Check::Ok, "1234.5"},
    };
    for (const FileCase& c : cases) {
        const FileAmount got = checkFileAmount(QString::fromUtf8(c.money));
        EXPECT_EQ(got.check, c.check) << c.money;
        EXPECT_EQ(got.plain, QString::fromUtf8(c.plain)) << c.money;
    }
}

TEST(FileAmountRefusal, NamesTheRecord) {
    using Check = FileAmount::Check;
    EXPECT_EQ(fileAmountRefusal(Check::Ok, 3), "");
    EXPECT_EQ(fileAmountRefusal(Check::Empty, 3), "第3条记录中的金额为空，文件导入被中止");
    EXPECT_EQ(fileAmountRefusal(Check::Malformed, 12),
              "第12条记录中的金额格式错误，文件导入被中止");
    EXPECT_EQ(fileAmountRefusal(Check::TooLarge, 1),
              "第1条记录中的金额范围超过系统限制，文件导入被中止");
}

TEST(FormAmountRefusal, GivesTheFormCheckMessagesInOrder) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "请输入金额"},
        {"   ", "请输入金额"},
        {"1.234", "金额格式错误"},
        {"1e5", "金额格式错误"},
        {"100000000000.01", "金额范围超过系统限制"},
        {"0", "金额必须大于零元"},
        {"0.00", "金额必须大于零元"},
        {" 1,234.50 ", ""},
        {"100000000000", ""},
        {"0.01", ""},
    };
    for (const auto& [typed, message] : cases)
        EXPECT_EQ(formAmountRefusal(QString::fromUtf8(typed)), QString::fromUtf8(message)) << typed;
}

} // namespace
