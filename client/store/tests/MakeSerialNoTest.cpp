#include "MakeSerialNo.h"

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
