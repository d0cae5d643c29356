#include "amount/AmountText.h"

#include <gtest/gtest.h>

namespace {

struct TextCase {
    const char* input;
    const char* expected;
};

void PrintTo(const TextCase& c, std::ostream* os) {
    *os << '"' << c.input << '"';
}

QString q(const char* text) {
    return QString::fromUtf8(text);
}

TEST(RemoveThousandSeparators, DeletesEveryComma) {
    EXPECT_EQ(removeThousandSeparators(q("1,234,567.89")), q("1234567.89"));
    EXPECT_EQ(removeThousandSeparators(q(",,1,,")), q("1"));
    EXPECT_EQ(removeThousandSeparators(QString()), QString());
}

struct FormatCase {
    const char* input;
    bool accepted;
};

void PrintTo(const FormatCase& c, std::ostream* os) {
    *os << '"' << c.input << '"';
}

class IsAmountFormat : public testing::TestWithParam<FormatCase> {};

TEST_P(IsAmountFormat, AcceptsDigitsWithAtMostTwoDecimals) {
    EXPECT_EQ(isAmountFormat(q(GetParam().input)), GetParam().accepted);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, IsAmountFormat,
    testing::Values(FormatCase{"12.345", false}, FormatCase{"-1", false}, FormatCase{"12.", true},
                    FormatCase{".5", true}, FormatCase{"1234", true}, FormatCase{"abc", false},
                    FormatCase{"1", true}, FormatCase{"12", true}, FormatCase{"123456789012", true},
                    FormatCase{"0.00", true}, FormatCase{"1.23", true}, FormatCase{"", false},
                    FormatCase{".", false}, FormatCase{"1.2.3", false}, FormatCase{"+1", false},
                    FormatCase{" 12", false}, FormatCase{"1,234", false}, FormatCase{"1e5", false},
                    FormatCase{"１２", false}));

class InsertThousandSeparators : public testing::TestWithParam<TextCase> {};

TEST_P(InsertThousandSeparators, GroupsIntegerDigitsByThree) {
    EXPECT_EQ(insertThousandSeparators(q(GetParam().input)), q(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Cases, InsertThousandSeparators,
                         testing::Values(TextCase{"", ""}, TextCase{"100.00", "100.00"},
                                         TextCase{"1000.00", "1,000.00"},
                                         TextCase{"123456.78", "123,456.78"},
                                         TextCase{"1234567.89", "1,234,567.89"},
                                         TextCase{"1,234567.89", "1,234,567.89"}));

class FormatAmount : public testing::TestWithParam<TextCase> {};

TEST_P(FormatAmount, ShowsTwoDecimalsCutNotRounded) {
    EXPECT_EQ(formatAmount(q(GetParam().input)), q(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Edges, FormatAmount,
    testing::Values(TextCase{"0012.5", "12.50"}, TextCase{".5", "0.50"}, TextCase{"", "0.00"},
                    TextCase{"1234567.891", "1,234,567.89"}, TextCase{"100", "100.00"},
                    TextCase{"0", "0.00"}, TextCase{"000", "0.00"}, TextCase{"12.", "12.00"},
                    TextCase{"1234", "1,234.00"}, TextCase{"100000000000.00", "100,000,000,000.00"},
                    TextCase{"0.999", "0.99"}));

class FormatAmountTyped : public testing::TestWithParam<TextCase> {};

TEST_P(FormatAmountTyped, KeepsTheTypedDecimals) {
    EXPECT_EQ(formatAmountTyped(q(GetParam().input)), q(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Edges, FormatAmountTyped,
                         testing::Values(TextCase{"1234.5", "1,234.5"}, TextCase{"1234", "1,234"},
                                         TextCase{"1234.", "1,234."},
                                         TextCase{"1234.56", "1,234.56"},
                                         TextCase{"0012.5", "12.5"}, TextCase{".5", "0.5"},
                                         TextCase{"", "0"}, TextCase{"100", "100"},
                                         TextCase{"1234567", "1,234,567"}));

TEST(AmountRange, MaximumIsInclusiveAndZeroIsRefused) {
    EXPECT_EQ(amountRange(q("100000000000.00")), AmountRange::Ok);
    EXPECT_EQ(amountRange(q("100000000000.01")), AmountRange::TooLarge);
    EXPECT_EQ(amountRange(q("0.00")), AmountRange::NotPositive);
    EXPECT_EQ(amountRange(q("0")), AmountRange::NotPositive);
    EXPECT_EQ(amountRange(q("0.01")), AmountRange::Ok);
}

} // namespace
