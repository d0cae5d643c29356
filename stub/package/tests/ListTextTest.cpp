#include "package/ListText.h"
#include "package/EntryName.h"
#include "package/LanguageTable.h"

#include <cstdlib>
#include <gtest/gtest.h>

using namespace stub;

TEST(ListText, ItemsCountAndDefaults) {
    struct Case {
        std::string list;
        int index;
        std::string expected;
        int count;
    };
    const Case cases[] = {
        {"|a|b|c|", 0, "a", 3},     {"|a|b|c|", 2, "c", 3}, {"|a|b|c|", 3, "(none)", 3},
        {"|a||c|", 1, "", 3},       {"|a|b", 0, "a", 0},    {"|a|b", 1, "(none)", 0},
        {"", 0, "(none)", 0},       {";x;y;", 1, "y", 2},   {"|", 0, "(none)", 0},
        {"|a|b|", -1, "(none)", 2},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ListItem(c.list, c.index, "(none)"), c.expected) << c.list << " " << c.index;
        EXPECT_EQ(ListCount(c.list), c.count) << c.list;
    }
}

TEST(ListText, KeyLookupIgnoresCaseAndStraySpaces) {
    const std::string list = "\x01"
                             "English\x01 FontSize =10\x01s1=Extracting\x01S10=Down\x01";
    EXPECT_EQ(ListValue(list, "fontsize", "8"), "10");
    EXPECT_EQ(ListValue(list, "s1", "x"), "Extracting");
    EXPECT_EQ(ListValue(list, "s1=", "x"), "Extracting");
    EXPECT_EQ(ListValue(list, "s10", "x"), "Down");
    EXPECT_EQ(ListValue(list, "s2", "fallback"), "fallback");
    EXPECT_EQ(ListValue(list, "English", "none"), "none");
    EXPECT_EQ(ListValue("", "a", "d"), "d");
}

TEST(LanguageTable, NamesByIdFirstMatchWins) {
    EXPECT_EQ(LanguageName(26), "CROATIAN");
    EXPECT_EQ(LanguageName(9), "ENGLISH");
    EXPECT_EQ(LanguageName(4), "CHINESE");
    EXPECT_EQ(LanguageName(2), "BULGARIAN");
    EXPECT_EQ(LanguageName(20), "NORWEGIAN");
    EXPECT_EQ(LanguageName(99), "");
    EXPECT_EQ(LanguageName(-1), "");
}

TEST(LanguageTable, UserLanguageFromLocale) {
    struct Case {
        const char* all;
        const char* lang;
        int id;
    };
    const Case cases[] = {{"zh_CN.UTF-8", "", 4},
                          {"", "de_DE.UTF-8", 7},
                          {"C.UTF-8", "", 9},
                          {"", "", 9},
                          {"", "pt_BR", 22}};
    for (const auto& c : cases) {
        setenv("LC_ALL", c.all, 1);
        unsetenv("LC_MESSAGES");
        setenv("LANG", c.lang, 1);
        EXPECT_EQ(UserLanguageId(), c.id) << c.all << "/" << c.lang;
    }
    setenv("LC_ALL", "C.UTF-8", 1);
}

TEST(EntryName, EngineMarkAndStamp) {
    auto plain = ParseEntryHeader("|00001#readme.txt|953922124|");
    EXPECT_EQ(plain.fileName, "00001#readme.txt");
    EXPECT_EQ(plain.stamp, 953922124u);
    EXPECT_FALSE(plain.isEngine);

    auto bare = ParseEntryHeader("|setup.exe*|x|");
    EXPECT_TRUE(bare.isEngine);
    EXPECT_EQ(bare.fileName, "setup.exe");
    EXPECT_EQ(bare.name, "setup.exe*");
    EXPECT_EQ(bare.stamp, 0u);

    auto withSwitch = ParseEntryHeader("|setup.exe* /S|99999999999|");
    EXPECT_EQ(withSwitch.name, "setup.exe* /S");
    EXPECT_EQ(withSwitch.stamp, 0u);
}

TEST(EntryName, TraversalAndAbsoluteNamesAreRefused) {
    for (const char* bad : {"../evil", "..\\evil", "a/../../evil", "a\\..\\..\\evil", "/etc/passwd",
                            "\\evil", "C:\\evil", "c:evil", "", "..", "dir/"})
        EXPECT_FALSE(SafeRelativePath(bad).has_value()) << bad;
    EXPECT_EQ(SafeRelativePath("sub\\file.txt"), "sub/file.txt");
    EXPECT_EQ(SafeRelativePath("a..b/..c"), "a..b/..c");
}
