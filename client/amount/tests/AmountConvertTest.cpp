#include "amount/AmountConvert.h"

#include <gtest/gtest.h>

namespace {

struct Spelling {
    const char* amount;
    const char* capital;
};

void PrintTo(const Spelling& s, std::ostream* os) {
    *os << s.amount;
}

class ConvertToCapital : public testing::TestWithParam<Spelling> {};

TEST_P(ConvertToCapital, SpellsTheAmount) {
    EXPECT_EQ(convertToCapital(QString::fromUtf8(GetParam().amount)),
              QString::fromUtf8(GetParam().capital));
}

INSTANTIATE_TEST_SUITE_P(
    WorkedSpellings, ConvertToCapital,
    testing::Values(Spelling{"0", ""}, Spelling{"0.00", ""}, Spelling{"0.05", "伍分"},
                    Spelling{"0.50", "伍角"}, Spelling{"0.5", "伍角"}, Spelling{"0.55", "伍角伍分"},
                    Spelling{"1", "壹元整"}, Spelling{"1.00", "壹元整"}, Spelling{"10", "壹拾元整"},
                    Spelling{"10.5", "壹拾元伍角"}, Spelling{"30.07", "叁拾元零柒分"},
                    Spelling{"100.05", "壹佰元零伍分"}, Spelling{"1001", "壹仟零壹元整"},
                    Spelling{"1010.10", "壹仟零壹拾元壹角"}, Spelling{"10000", "壹万元整"},
                    Spelling{"10001", "壹万零壹元整"}, Spelling{"100010", "壹拾万零壹拾元整"},
                    Spelling{"101000", "壹拾万壹仟元整"}, Spelling{"1000100", "壹佰万零壹佰元整"},
                    Spelling{"12345678.90", "壹仟贰佰叁拾肆万伍仟陆佰柒拾捌元玖角"},
                    Spelling{"100000000", "壹亿元整"}, Spelling{"100000001.01", "壹亿零壹元零壹分"},
                    Spelling{"100000000000.00", "壹仟亿元整"},
                    Spelling{"1234567890123.45",
                             "壹兆贰仟叁佰肆拾伍亿陆仟柒佰捌拾玖万零壹佰贰拾叁元肆角伍分"}));

INSTANTIATE_TEST_SUITE_P(OtherEdges, ConvertToCapital,
                         testing::Values(Spelling{"1.234", "壹元"}, Spelling{"1.50", "壹元伍角"},
                                         Spelling{"1.0", "壹元整"}, Spelling{"12.", "壹拾贰元整"},
                                         Spelling{".5", "伍角"}, Spelling{"0012.5", "壹拾贰元伍角"},
                                         Spelling{"0100", "壹佰元整"},
                                         Spelling{"100000000010000", "壹佰兆零壹万元整"},
                                         // The fifth group from the right gets no unit.
                                         Spelling{"10000000000000000", "壹元整"},
                                         Spelling{"20000000000000000", "贰元整"}));

} // namespace
