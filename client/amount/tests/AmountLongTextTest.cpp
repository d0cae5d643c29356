#include "amount/AmountConvert.h"
#include "amount/AmountFen.h"
#include "amount/AmountText.h"

#include <gtest/gtest.h>

#include <ctime>
#include <functional>

namespace {

// CPU seconds this thread spends on `work`: a bound on the work done, not on the clock's speed.
double cpuSeconds(const std::function<void()>& work) {
    const auto now = [] {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
    };
    const double start = now();
    work();
    return now() - start;
}

// A 400 KB amount from a loaded file: every routine must stay linear in it. Quadratic versions
// take minutes here; the linear ones milliseconds, so the limit is far above any machine's cost.
TEST(AmountLongText, EveryRoutineCostsInProportionToItsInput) {
    const qsizetype digits = 400000;
    QString plain(digits, u'7');
    plain += QStringLiteral(".50");
    const double limit = 5.0;

    QString grouped;
    EXPECT_LT(cpuSeconds([&] { grouped = formatAmount(plain); }), limit);
    EXPECT_EQ(grouped.count(u','), (digits - 1) / 3);
    EXPECT_TRUE(grouped.startsWith(QStringLiteral("7,777,")));
    EXPECT_TRUE(grouped.endsWith(QStringLiteral("777.50")));

    EXPECT_LT(cpuSeconds([&] { EXPECT_EQ(removeThousandSeparators(grouped), plain); }), limit);
    EXPECT_LT(cpuSeconds([&] { EXPECT_EQ(formatAmountTyped(plain + u'5'), grouped); }), limit);
    EXPECT_LT(cpuSeconds([&] { EXPECT_TRUE(isAmountFormat(plain)); }), limit);
    EXPECT_LT(cpuSeconds([&] { EXPECT_FALSE(amountToFen(plain).has_value()); }), limit);
    QString capital;
    EXPECT_LT(cpuSeconds([&] { capital = convertToCapital(plain); }), limit);
    EXPECT_TRUE(capital.endsWith(QStringLiteral("元伍角")));
}

} // namespace
