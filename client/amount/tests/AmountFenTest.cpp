#include "amount/AmountFen.h"
#include "amount/AmountText.h"

#include <gtest/gtest.h>

namespace {

TEST(AmountToFen, ReadsWholeFen) {
    EXPECT_EQ(amountToFen(QStringLiteral("0.10")), 10);
    EXPECT_EQ(amountToFen(QStringLiteral("1,234.5")), 123450);
    EXPECT_EQ(amountToFen(QStringLiteral(" 12. ")), 1200);
    EXPECT_EQ(amountToFen(QStringLiteral(".05")), 5);
    EXPECT_EQ(amountToFen(QStringLiteral("100000000000.00")), 10000000000000);
}

TEST(AmountToFen, RefusesWhatIsNotAnAmount) {
    EXPECT_EQ(amountToFen(QStringLiteral("")), std::nullopt);
    EXPECT_EQ(amountToFen(QStringLiteral("-1")), std::nullopt);
    EXPECT_EQ(amountToFen(QStringLiteral("1.234")), std::nullopt);
    EXPECT_EQ(amountToFen(QStringLiteral("abc")), std::nullopt);
    EXPECT_EQ(amountToFen(QStringLiteral("99999999999999999999")), std::nullopt);
}

TEST(FenToAmount, WritesTwoDecimals) {
    EXPECT_EQ(fenToAmount(0), QStringLiteral("0.00"));
    EXPECT_EQ(fenToAmount(5), QStringLiteral("0.05"));
    EXPECT_EQ(fenToAmount(123456), QStringLiteral("1234.56"));
    EXPECT_EQ(fenToAmount(-150), QStringLiteral("-1.50"));
}

TEST(AmountTotal, AddsExactly) {
    AmountTotal total;
    EXPECT_TRUE(total.add(QStringLiteral("0.10")));
    EXPECT_TRUE(total.add(QStringLiteral("0.20")));
    EXPECT_EQ(total.text(), QStringLiteral("0.30"));
}

TEST(AmountTotal, HundredThousandFenMakeOneThousandYuan) {
    AmountTotal total;
    for (int i = 0; i < 100000; ++i)
        ASSERT_TRUE(total.add(QStringLiteral("0.01")));
    EXPECT_EQ(total.fen(), 100000);
    EXPECT_EQ(total.text(), QStringLiteral("1000.00"));
    EXPECT_EQ(formatAmount(total.text()), QStringLiteral("1,000.00"));
}

TEST(AmountTotal, BadTextOrOverflowLeavesTheTotal) {
    AmountTotal total;
    ASSERT_TRUE(total.add(QStringLiteral("12.34")));
    EXPECT_FALSE(total.add(QStringLiteral("12.345")));
    EXPECT_FALSE(total.add(QStringLiteral("92233720368547758.07")));
    EXPECT_EQ(total.text(), QStringLiteral("12.34"));
}

} // namespace
