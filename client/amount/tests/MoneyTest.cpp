#include "Money.h"

#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>

namespace {

Money amount(const char* text) {
    const std::optional<Money> money = Money::fromText(QString::fromUtf8(text));
    EXPECT_TRUE(money.has_value()) << text;
    return money.value_or(Money());
}

TEST(Money, ReadsAmountTextsAsWholeFen) {
    const struct {
        const char* text;
        std::int64_t fen;
    } cases[] = {
        {"0.10", 10},         {"0.2", 20},  {".05", 5}, {"12.", 1200},
        {"1,234.50", 123450}, {" 7 ", 700}, {"0", 0},   {"100000000000.00", 10000000000000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(amount(c.text).fen(), c.fen);
    }
}

TEST(Money, RefusesTextsThatAreNotAmounts) {
    for (const char* text : {"", "abc", "-1", "1.234", "1e3", "99999999999999999999"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(Money::fromText(QString::fromUtf8(text)).has_value());
    }
}

TEST(Money, SumsAreExact) {
    EXPECT_EQ((amount("0.10") + amount("0.20")).plainText(), "0.30");

    QStringList hundredThousandFen;
    for (int i = 0; i < 100000; ++i)
        hundredThousandFen << QStringLiteral("0.01");
    const std::optional<Money> total = sumAmounts(hundredThousandFen);
    ASSERT_TRUE(total.has_value());
    EXPECT_EQ(total->fen(), 100000);
    EXPECT_EQ(total->displayText(), "1,000.00");
}

TEST(Money, SumOfListFailsOnAnyBadText) {
    EXPECT_FALSE(sumAmounts({"1.00", "x", "2.00"}).has_value());
    EXPECT_EQ(sumAmounts({}).value().plainText(), "0.00");
}

TEST(Money, WritesTwoDecimalsWithAndWithoutSeparators) {
    const struct {
        std::int64_t fen;
        const char* plain;
        const char* display;
    } cases[] = {
        {0, "0.00", "0.00"},
        {5, "0.05", "0.05"},
        {123456789, "1234567.89", "1,234,567.89"},
        {-123456, "-1234.56", "-1,234.56"},
        {std::numeric_limits<std::int64_t>::min(), "-92233720368547758.08",
         "-92,233,720,368,547,758.08"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.plain);
        EXPECT_EQ(Money::fromFen(c.fen).plainText(), c.plain);
        EXPECT_EQ(Money::fromFen(c.fen).displayText(), c.display);
    }
}

TEST(Money, OverflowingSumThrowsAndKeepsTheTotal) {
    Money total = Money::fromFen(std::numeric_limits<std::int64_t>::max());
    EXPECT_THROW(total += Money::fromFen(1), std::overflow_error);
    EXPECT_EQ(total.fen(), std::numeric_limits<std::int64_t>::max());
}

} // namespace
