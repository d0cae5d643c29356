#include "store/MakeSerialNo.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

TEST(MakeSerialNo, IsLocalTimeFollowedByTwoFourDigitGroups) {
    QRandomGenerator random(7);
    const QDateTime when(QDate(2026, 3, 4), QTime(5, 6, 7));
    const QString serial = MakeSerialNo(when, random);
    EXPECT_EQ(serial.size(), 22);
    EXPECT_TRUE(serial.startsWith("20260304050607"));
    EXPECT_TRUE(QRegularExpression("^\\d{22}$").match(serial).hasMatch());
}

TEST(MakeSerialNo, InstructionsOfTheSameSecondDifferInTheirRandomGroups) {
    QRandomGenerator random(1);
    const QDateTime when(QDate(2026, 12, 10), QTime(23, 59, 59));
    QSet<QString> seen;
    for (int i = 0; i < 50; ++i)
        seen.insert(MakeSerialNo(when, random));
    EXPECT_GT(seen.size(), 45);
    for (const QString& serial : seen)
        EXPECT_TRUE(serial.startsWith("20261210235959"));
}

TEST(MakeSerialNo, TheClockVersionUsesTheLocalTimeOfNow) {
    const QString before = QDateTime::currentDateTime().toString("yyyyMMddHHmmss");
    const QString serial = MakeSerialNo();
    const QString after = QDateTime::currentDateTime().toString("yyyyMMddHHmmss");
    ASSERT_EQ(serial.size(), 22);
    EXPECT_GE(serial.left(14), before);
    EXPECT_LE(serial.left(14), after);
}

TEST(SerialSequence, EverySerialSortsAfterTheOneBefore) {
    struct Case {
        const char* name;
        QStringList fresh;
        QStringList expected;
    };
    const Case cases[] = {
        {"later fresh serials are kept",
         {"2026121008000012345678", "2026121008000112340000"},
         {"2026121008000012345678", "2026121008000112340000"}},
        {"a lower one in the same second follows the one before",
         {"2026121008000055550000", "2026121008000011110000", "2026121008000099999999"},
         {"2026121008000055550000", "2026121008000055550001", "2026121008000099999999"}},
        {"a repeated one follows the one before",
         {"2026121008000000000001", "2026121008000000000001"},
         {"2026121008000000000001", "2026121008000000000002"}},
        {"random digits run over into the next second",
         {"2026121008005999999999", "2026121008005900000000"},
         {"2026121008005999999999", "2026121008010000000000"}},
        {"and over into the next year",
         {"2026123123595999999999", "2026123123595912340000"},
         {"2026123123595999999999", "2027010100000000000000"}},
        {"a clock set back still gives later serials",
         {"2026121008000000000005", "2026121007595999999999"},
         {"2026121008000000000005", "2026121008000000000006"}},
    };
    for (const Case& c : cases) {
        qsizetype drawn = 0;
        SerialSequence sequence([&] { return c.fresh[drawn++]; });
        QStringList made;
        for (qsizetype i = 0; i < c.fresh.size(); ++i)
            made << sequence.next();
        EXPECT_EQ(made, c.expected) << c.name;
    }
}
