#include "config/tests/SysConfFixture.h"

namespace {

using SysConfRules = SysConfFixture;

TEST_F(SysConfRules, IconPathIsTheLastTwoPartsBelowTheProgramFolder) {
    struct Case {
        QString sysIcon;
        QString expected;
    };
    const QString before = QStringLiteral("/earlier/icon.ico");
    const Case cases[] = {
        {QStringLiteral("ico\\bank.ico"), folder() + QStringLiteral("ico/bank.ico")},
        {QStringLiteral("x\\ico\\bank.ico"), folder() + QStringLiteral("ico/bank.ico")},
        {QStringLiteral("/opt/psd/ico\\bank.ico"), folder() + QStringLiteral("ico/bank.ico")},
        {QStringLiteral("bank.ico"), before},
        {QStringLiteral("ico/bank.ico"), before},
        {QString(), before},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sysIcon.toStdString());
        writeRoot(QStringLiteral("<SysConf bank_name=\"b\" sys_icon=\"%1\"/>").arg(c.sysIcon));
        sharedConfig().iconPath = before;
        SysConf conf;
        EXPECT_EQ(sharedConfig().iconPath, c.expected);
    }
}

TEST_F(SysConfRules, RuleAttributesAreReadWithTheirDefaults) {
    writeRoot(QStringLiteral(
        "<SysConf bank_name=\"澄川银行\" sys_icon=\"\"><G><FunctionName for=\"caption\"/>"
        "<Bare field_name=\"裸\" id=\"1\" obj_type=\"text\"/>"
        "<Full field_name=\"全\" id=\"2\" can_edit=\"1\" not_null=\"1\" is_account=\"1\" "
        "is_numric=\"1\" length=\"12,19\" min_value=\"0.01\" max_value=\"99.5\" "
        "is_check_str_length=\"1\"/>"
        "<Zeros field_name=\"零\" id=\"3\" can_edit=\"0\" not_null=\"true\" is_account=\"\" "
        "is_numric=\" 1\" length=\"\" min_value=\"\" max_value=\"\"/>"
        "<Bad field_name=\"坏\" id=\"4\" min_value=\"abc\" max_value=\"1e5x\"/>"
        "<Spaced field_name=\"空\" id=\" 5 \" min_value=\" 2 \" max_value=\"3e2\"/>"
        "</G></SysConf>"));
    SysConf conf;
    const auto& rule = sharedConfig().FieldRule;
    EXPECT_EQ(sharedConfig().bankName, QStringLiteral("澄川银行"));

    EXPECT_EQ(rule[1].field_name, QStringLiteral("裸"));
    EXPECT_FALSE(rule[1].can_edit || rule[1].not_null || rule[1].is_account || rule[1].is_numric ||
                 rule[1].is_check_str_length);
    EXPECT_EQ(rule[1].length, QStringLiteral("10000"));
    EXPECT_EQ(rule[1].min_value, 0);
    EXPECT_EQ(rule[1].max_value, 1e308);

    EXPECT_TRUE(rule[2].can_edit && rule[2].not_null && rule[2].is_account && rule[2].is_numric &&
                rule[2].is_check_str_length);
    EXPECT_EQ(rule[2].length, QStringLiteral("12,19"));
    EXPECT_EQ(rule[2].min_value, 0.01);
    EXPECT_EQ(rule[2].max_value, 99.5);

    EXPECT_FALSE(rule[3].can_edit || rule[3].not_null || rule[3].is_account || rule[3].is_numric);
    EXPECT_EQ(rule[3].length, QStringLiteral("10000"));
    EXPECT_EQ(rule[3].min_value, 0);
    EXPECT_EQ(rule[3].max_value, 1e308);

    EXPECT_EQ(rule[4].field_name, QStringLiteral("坏"));
    EXPECT_EQ(rule[4].min_value, 0);
    EXPECT_EQ(rule[4].max_value, 1e308);

    EXPECT_EQ(rule[5].field_name, QStringLiteral("空"));
    EXPECT_EQ(rule[5].min_value, 2);
    EXPECT_EQ(rule[5].max_value, 300);
}

TEST_F(SysConfRules, OnlyFieldElementsWithAUsableIdFillTheTable) {
    writeRoot(QStringLiteral("<SysConf bank_name=\"\" sys_icon=\"\">"
                             "<G><FunctionName for=\"caption\" field_name=\"功能\" id=\"6\"/>"
                             "<NoName id=\"7\"/>"
                             "<NullName field_name=\"Null\" id=\"8\"/>"
                             "<EmptyId field_name=\"无号\" id=\"  \"/>"
                             "<NoId field_name=\"无号\"/>"
                             "<WordId field_name=\"字\" id=\"abc\"/>"
                             "<FractionId field_name=\"小数\" id=\"9.5\"/>"
                             "<Zero field_name=\"零\" id=\"0\"/>"
                             "<TooHigh field_name=\"大\" id=\"51\"/>"
                             "<Negative field_name=\"负\" id=\"-1\"/>"
                             "<Beyond field_name=\"二十五\" id=\"25\"/>"
                             "<Last field_name=\"五十\" id=\"50\"/>"
                             "</G></SysConf>"));
    SysConf conf;
    const auto& rule = sharedConfig().FieldRule;
    for (size_t id = 0; id < rule.size(); ++id) {
        SCOPED_TRACE(id);
        if (id == 25 || id == 50)
            continue;
        EXPECT_TRUE(rule[id].field_name.isEmpty());
        EXPECT_TRUE(rule[id].length.isEmpty());
        EXPECT_EQ(rule[id].max_value, 0);
    }
    EXPECT_EQ(rule[25].field_name, QStringLiteral("二十五"));
    EXPECT_EQ(rule[25].length, QStringLiteral("10000"));
    EXPECT_EQ(rule[50].field_name, QStringLiteral("五十"));
}

TEST_F(SysConfRules, LoadingAgainReflectsOnlyTheCurrentFile) {
    writeRoot(QStringLiteral("<SysConf bank_name=\"甲\" sys_icon=\"\"><G>"
                             "<A field_name=\"旧\" id=\"30\"/></G></SysConf>"));
    SysConf first;
    ASSERT_EQ(sharedConfig().FieldRule[30].field_name, QStringLiteral("旧"));
    writeRoot(QStringLiteral("<SysConf bank_name=\"乙\" sys_icon=\"\"><G>"
                             "<A field_name=\"新\" id=\"31\"/></G></SysConf>"));
    SysConf second;
    EXPECT_EQ(sharedConfig().bankName, QStringLiteral("乙"));
    EXPECT_TRUE(sharedConfig().FieldRule[30].field_name.isEmpty());
    EXPECT_EQ(sharedConfig().FieldRule[31].field_name, QStringLiteral("新"));
}

} // namespace
