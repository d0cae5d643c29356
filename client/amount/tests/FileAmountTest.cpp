#include "amount/FileAmount.h"

#include <gtest/gtest.h>

namespace {

struct FileAmountCase {
    const char* text;
    const char* plain;
    FileAmount::Fault fault;
};

void PrintTo(const FileAmountCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class ReadFileAmount : public testing::TestWithParam<FileAmountCase> {};

TEST_P(ReadFileAmount, SeparatorsRemovedThenEmptyFormatAndRangeRefused) {
    const FileAmount amount = readFileAmount(QString::fromUtf8(GetParam().text));
    EXPECT_EQ(amount.fault, GetParam().fault);
    if (amount.fault == FileAmount::Fault::None) {
        EXPECT_EQ(amount.plain, QString::fromUtf8(GetParam().plain));
    }
}

using Fault = FileAmount::Fault;

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadFileAmount,
    testing::Values(FileAmountCase{"1,234.50", "1234.50", Fault::None},
                    FileAmountCase{"100,000,000,000.00", "100000000000.00", Fault::None},
                    FileAmountCase{"0", "0", Fault::None}, FileAmountCase{"", "", Fault::Empty},
                    FileAmountCase{",", "", Fault::Empty},
                    FileAmountCase{"12.345", "", Fault::Format},
                    FileAmountCase{"-1", "", Fault::Format},
                    FileAmountCase{"1e3", "", Fault::Format},
                    FileAmountCase{"100000000000.01", "", Fault::Range},
                    FileAmountCase{"99999999999999999999", "", Fault::Range}));

TEST(FileAmountMessage, NamesTheRecordAndTheFault) {
    EXPECT_EQ(fileAmountMessage(Fault::Empty, 2), "第2条记录中的金额为空，文件导入被中止");
    EXPECT_EQ(fileAmountMessage(Fault::Format, 3), "第3条记录中的金额格式错误，文件导入被中止");
    EXPECT_EQ(fileAmountMessage(Fault::Range, 14),
              "第14条记录中的金额范围超过系统限制，文件导入被中止");
}

} // namespace
