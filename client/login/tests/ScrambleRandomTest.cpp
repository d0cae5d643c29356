#include "login/ScrambleRandom.h"

#include <gtest/gtest.h>

namespace {

// Values worked out by hand from the generator's definition.
TEST(ScrambleRandom, ResetStartsFromTheFixedState) {
    ScrambleRandom random;
    random.resetToMinusOne();
    // s = 0xBF800000, (s + 0xBF) mod 2^24 = 0x8000BF, advanced once.
    EXPECT_EQ(random.state(), 0x395886u);
}

TEST(ScrambleRandom, SeedZeroKeepsOnlyTheLowByte) {
    ScrambleRandom random;
    random.resetToMinusOne();
    random.randomize(0.0);
    EXPECT_EQ(random.state(), 0x86u);
    // 0x86 * 0xFD43FD = 0x91966E (mod 2^24), + 0xC39EC3 = 5584177 (mod 2^24)
    EXPECT_DOUBLE_EQ(random.next(), 5584177.0 / 16777216.0);
}

TEST(ScrambleRandom, SeedMixesTheUpperHalfOfTheDouble) {
    ScrambleRandom random;
    random.resetToMinusOne();
    // 1.0 = 0x3FF00000'00000000: v = 0x3FF00000, w = (0x0000 ^ 0x3FF0) << 8 = 0x3FF000.
    random.randomize(1.0);
    EXPECT_EQ(random.state(), 0x3FF086u);
}

TEST(ScrambleRandom, NegativeSeedShiftsArithmetically) {
    ScrambleRandom random;
    random.resetToMinusOne();
    // -1.0 = 0xBFF00000'...: v >> 16 = 0xFFFFBFF0, w = 0xFFFFBFF0 << 8 wraps to 0xFFBFF000.
    random.randomize(-1.0);
    EXPECT_EQ(random.state(), 0xBFF086u);
}

TEST(ScrambleRandom, FractionsStayBelowOne) {
    ScrambleRandom random;
    random.resetToMinusOne();
    random.randomize(263803512.0);
    for (int i = 0; i < 1000; ++i) {
        const double r = random.next();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
    }
}

} // namespace
