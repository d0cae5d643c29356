#include "config/FieldCheck.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

QString q(const char* text) {
    return QString::fromUtf8(text);
}

TEST(IsNumberText, AcceptsSignGroupSeparatorsPointAndSurroundingSpaces) {
    const struct {
        const char* text;
        bool number;
    } cases[] = {
        {"1234", true}, {"1,234", true}, {"-1,234.5", true}, {"+7", true},   {"  12  ", true},
        {"12.", true},  {".5", true},    {"0", true},        {"", false},    {"   ", false},
        {"abc", false}, {"1 2", false},  {",1", false},      {"1,", false},  {"1.2.3", false},
        {".", false},   {"-", false},    {"1.2,3", false},   {"12a", false}, {"１２", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(IsNumberText(q(c.text)), c.number);
    }
}

TEST(IsAccountText, IsANumberWithoutPoint) {
    EXPECT_TRUE(IsAccountText(q("6222000012345678")));
    EXPECT_TRUE(IsAccountText(q(" 12345 ")));
    EXPECT_FALSE(IsAccountText(q("12345.6")));
    EXPECT_FALSE(IsAccountText(q("12345.")));
    EXPECT_FALSE(IsAccountText(q("   ")));
    EXPECT_FALSE(IsAccountText(q("12a45")));
}

TEST(CheckLengthSpec, ExactFormsForAccountNumbers) {
    const struct {
        const char* lengths;
        int length;
        bool passes;
    } cases[] = {
        {"5", 5, true},       {"5", 4, false},         {"12,15", 12, true}, {"12,15", 15, true},
        {"12,15", 13, false}, {"10-20", 10, true},     {"10-20", 20, true}, {"10-20", 21, false},
        {"10-20", 9, false},  {"10-15,20", 20, false}, {"1-2-3", 2, false}, {"", 0, false},
        {"abc", 3, false},    {"12,x", 12, false},     {"40000", 5, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.lengths) + " / " + std::to_string(c.length));
        EXPECT_EQ(CheckLengthSpec(QString(c.length, u'1'), q(c.lengths), true), c.passes);
    }
}

TEST(CheckLengthSpec, CountsTheTrimmedTextAndIsAMaximumForNumbers) {
    EXPECT_TRUE(CheckLengthSpec(q("  12345  "), q("5"), true));
    EXPECT_TRUE(CheckLengthSpec(q("123"), q("3"), false));
    EXPECT_TRUE(CheckLengthSpec(q("1"), q("3"), false));
    EXPECT_FALSE(CheckLengthSpec(q("1234"), q("3"), false));
    EXPECT_FALSE(CheckLengthSpec(q("1"), q("12,15"), false));
    EXPECT_TRUE(CheckLengthSpec(QString(10000, u'9'), q("10000"), false));
}

TEST(InRange, ComparesTheValueWithGroupSeparatorsRemoved) {
    EXPECT_TRUE(InRange(q("1,234"), 0, 1234));
    EXPECT_FALSE(InRange(q("1,234"), 0, 1233));
    EXPECT_TRUE(InRange(q(" -5 "), -5, 0));
    EXPECT_FALSE(InRange(q("0.4"), 0.5, 1e308));
    EXPECT_TRUE(InRange(q("12."), 12, 12));
    EXPECT_FALSE(InRange(q("abc"), -1e308, 1e308));
}

TEST(CheckTextLength, CountsCharactersNotBytes) {
    const QString twenty = q("澄川银行企业网上银行批量制单工具一二三四");
    ASSERT_EQ(twenty.size(), 20);
    EXPECT_TRUE(CheckTextLength(twenty, 0, 20));
    EXPECT_FALSE(CheckTextLength(twenty + u'五', 0, 20));
    EXPECT_TRUE(CheckTextLength(q("  ab  "), 2, 2));
    EXPECT_FALSE(CheckTextLength(q("a"), 2, 10));
    // A character beyond the basic plane is one character, not two UTF-16 units.
    EXPECT_TRUE(CheckTextLength(q("𠀀"), 1, 1));
}

TEST(ShortestNumberText, ReadsBackAsTheSameDouble) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {20, "20"},
        {0.5, "0.5"},
        {1e308, "1E+308"},
        {0, "0"},
        {-3, "-3"},
        {1234.25, "1234.25"},
        {100000000000000, "100000000000000"},
        {1e15, "1E+15"},
        {0.0001, "0.0001"},
        {0.00001, "1E-05"},
        {1.5e-7, "1.5E-07"},
        {0.1 + 0.2, "0.30000000000000004"},
        {std::numeric_limits<double>::max(), "1.7976931348623157E+308"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(shortestNumberText(c.value), q(c.text));
    }
}

} // namespace
