#include "platform/CommandLine.h"

#include <gtest/gtest.h>

using namespace stub;

TEST(CommandLine, JoinQuotesValuesThatNeedIt) {
    struct Case {
        std::vector<std::string> args;
        std::string tail;
    };
    const std::vector<Case> cases = {
        {{}, ""},
        {{"/hide", "/S"}, "/hide /S"},
        {{"/SpanDiskFName1=/media/my cd/setup.001"}, "/SpanDiskFName1=\"/media/my cd/setup.001\""},
        {{"/SpanCdLvl=2", "/TEST=5"}, "/SpanCdLvl=2 /TEST=5"},
        {{"/Name=a b"}, "/Name=\"a b\""},
        {{"/Empty="}, "/Empty="},
        {{"plain word", "/tmp/x=y", "word"}, "\"plain word\" \"/tmp/x=y\" word"},
        {{""}, "\"\""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(JoinArguments(c.args).value_or("<refused>"), c.tail);
    EXPECT_FALSE(JoinArguments({"/A=say \"hi\""}).has_value());
}

TEST(CommandLine, SplitGroupsByQuotes) {
    EXPECT_EQ(SplitCommand("  a  \"b c\" /X=\"d/e f\" \"\" g"),
              (std::vector<std::string>{"a", "b c", "/X=d/e f", "", "g"}));
    EXPECT_TRUE(SplitCommand("   ").empty());
    const std::vector<std::string> args = {"/OriginExe=/opt/my setup/setup.exe", "x y", "/hide"};
    EXPECT_EQ(SplitCommand(*JoinArguments(args)), args);
}

TEST(CommandLine, SwitchValues) {
    struct Case {
        std::string text;
        std::string name;
        std::optional<std::string> value;
    };
    const std::string tail = "/S /SpanDiskFName1=\"/media/my cd/setup.001\" /SpanCdLvl=2/hide "
                             "/WM_MSG=3:4 /OriginExe=\"/opt/a /hide b/setup.exe\"";
    const std::vector<Case> cases = {
        {tail, "/spandiskfname1=", "/media/my cd/setup.001"},
        {tail, "/SpanCdLvl=", "2"},
        {tail, "/HIDE", "TRUE"},
        {tail, "/S", "TRUE"},
        {tail, "/wm_msg=", "3:4"},
        {tail, "/OriginExe=", "/opt/a /hide b/setup.exe"},
        {"/OriginExe=\"/opt/a /hide b/setup.exe\"", "/hide", std::nullopt},
        {"/X=\"unclosed value", "/X=", "unclosed value"},
        {"/X=  ", "/X=", "TRUE"},
        {"", "/X=", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SwitchValue(c.text, c.name), c.value) << c.text << " " << c.name;
}

TEST(CommandLine, SwitchNumbers) {
    EXPECT_EQ(SwitchNumber("/SleepX=15", "/SleepX=", -1), 15);
    EXPECT_EQ(SwitchNumber("/SleepX=-3", "/SleepX=", 0), -3);
    EXPECT_EQ(SwitchNumber("/SleepX=abc", "/SleepX=", 4), 4);
    EXPECT_EQ(SwitchNumber("/SleepX", "/SleepX=", 4), 4);
    EXPECT_EQ(SwitchNumber("/SpanCdLvl=2", "/SpanCdLvl=", 1), 2);
}

TEST(CommandLine, RemovingASwitchRemovesItsWholeValue) {
    struct Case {
        std::string text;
        std::string name;
        std::string left;
    };
    const std::vector<Case> cases = {
        {"a /SpanDiskFName1=\"/media/my cd/setup.001\" b", "/SpanDiskFName1=", "a b"},
        {"a /SpanDiskFName1=/media/cd/setup.001 b", "/SpanDiskFName1=", "a b"},
        {"/SpanCdLvl=2 /S /spancdlvl=1", "/SpanCdLvl=", "/S"},
        {"/OriginExe=\"/a /SpanCdLvl=2 b\" /SpanCdLvl=2",
         "/SpanCdLvl=", "/OriginExe=\"/a /SpanCdLvl=2 b\""},
        {"/S", "/X=", "/S"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RemoveSwitch(c.text, c.name), c.left) << c.text;
}
