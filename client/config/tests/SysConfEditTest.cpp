#include "config/tests/SysConfFixture.h"

namespace {

using SysConfEdit = SysConfFixture;

TEST_F(SysConfEdit, AttributesRoundTripThroughTheFile) {
    SysConf conf;
    struct Case {
        int id;
        QString name;
        QString value;
    };
    const Case cases[] = {
        {12, QStringLiteral("length"), QStringLiteral("12,15-19")},
        {12, QStringLiteral("can_edit"), QStringLiteral("1")},
        {24, QStringLiteral("max_value"), QStringLiteral("1e5")},
        {1, QStringLiteral("field_name"), QStringLiteral("收款\"帐号\" & <名>")},
        {12, QStringLiteral("length"), QStringLiteral("16")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        EXPECT_TRUE(conf.setAttrib2Elemt(c.id, c.name, c.value));
        EXPECT_EQ(conf.getAttribOfElemt(c.id, c.name), c.value);
    }
    EXPECT_EQ(conf.getAttribOfElemt(12, QStringLiteral("field_name")), QStringLiteral("付款帐号"));
    EXPECT_TRUE(iniText().contains(
        QStringLiteral("<PayAccountNo field_name=\"付款帐号\" id=\"12\" obj_type=\"text\" "
                       "length=\"16\" can_edit=\"1\"/>")));

    SysConf reloaded;
    EXPECT_EQ(sharedConfig().FieldRule[12].length, QStringLiteral("16"));
    EXPECT_TRUE(sharedConfig().FieldRule[12].can_edit);
    EXPECT_EQ(sharedConfig().FieldRule[24].max_value, 1e5);
}

TEST_F(SysConfEdit, MissingElementOrAttributeReadsEmpty) {
    SysConf conf;
    EXPECT_EQ(conf.getAttribOfElemt(25, QStringLiteral("field_name")), QString());
    EXPECT_EQ(conf.getAttribOfElemt(1, QStringLiteral("length")), QString());
    EXPECT_EQ(conf.getAttribOfElemt(0, QStringLiteral("field_name")), QString());
}

TEST_F(SysConfEdit, SettingAMissingElementSavesTheFileUnchanged) {
    SysConf conf;
    const QByteArray before = iniBytes();
    EXPECT_TRUE(conf.setAttrib2Elemt(25, QStringLiteral("length"), QStringLiteral("3")));
    EXPECT_EQ(iniBytes(), before);
}

TEST_F(SysConfEdit, FirstElementWithTheIdIsChanged) {
    writeRoot(QStringLiteral("<SysConf bank_name=\"\" sys_icon=\"\"><G><FunctionName for=\"f\"/>"
                             "<A field_name=\"一\" id=\"7\"/><B field_name=\"二\" id=\"7\"/>"
                             "</G></SysConf>"));
    SysConf conf;
    EXPECT_TRUE(conf.setAttrib2Elemt(7, QStringLiteral("length"), QStringLiteral("5")));
    EXPECT_TRUE(iniText().contains(QStringLiteral("<A field_name=\"一\" id=\"7\" length=\"5\"/>"
                                                  "<B field_name=\"二\" id=\"7\"/>")));
}

TEST_F(SysConfEdit, BankNameAndIconRoundTrip) {
    SysConf conf;
    EXPECT_TRUE(conf.setBankName(QStringLiteral("澄川银行")));
    EXPECT_TRUE(conf.setSysIcon(QStringLiteral("ico\\bank.ico")));
    EXPECT_TRUE(iniText().contains(
        QStringLiteral("<SysConf bank_name=\"澄川银行\" sys_icon=\"ico\\bank.ico\">")));

    SysConf reloaded;
    EXPECT_EQ(sharedConfig().bankName, QStringLiteral("澄川银行"));
    EXPECT_EQ(sharedConfig().iconPath, folder() + QStringLiteral("ico/bank.ico"));
}

TEST_F(SysConfEdit, RootWithoutTheAttributesGetsThem) {
    writeRoot(QStringLiteral("<SysConf/>"));
    SysConf conf;
    EXPECT_TRUE(conf.setBankName(QStringLiteral("甲")));
    EXPECT_TRUE(conf.setSysIcon(QStringLiteral("a\\b.ico")));
    EXPECT_TRUE(
        iniText().contains(QStringLiteral("<SysConf bank_name=\"甲\" sys_icon=\"a\\b.ico\"/>")));
}

TEST_F(SysConfEdit, RefusedChangesLeaveTheFileAsItWas) {
    SysConf conf;
    ASSERT_TRUE(conf.setBankName(QStringLiteral("澄川银行")));
    const QByteArray before = iniBytes();
    EXPECT_FALSE(conf.setBankName(QStringLiteral("银行\U0001F600")));
    EXPECT_FALSE(conf.setAttrib2Elemt(1, QStringLiteral("bad name"), QStringLiteral("1")));
    EXPECT_FALSE(conf.setAttrib2Elemt(1, QStringLiteral("1x"), QStringLiteral("1")));
    EXPECT_FALSE(conf.setAttrib2Elemt(1, QString(), QStringLiteral("1")));
    EXPECT_EQ(iniBytes(), before);
    EXPECT_EQ(QDir(folder()).entryList(QDir::Files), QStringList{QStringLiteral("sysConf.ini")});
}

TEST_F(SysConfEdit, SettersDoNotCreateOrEmptyAnUnreadableFile) {
    SysConf conf;
    ASSERT_TRUE(QFile::remove(iniPath()));
    EXPECT_FALSE(conf.setBankName(QStringLiteral("甲")));
    EXPECT_FALSE(QFile::exists(iniPath()));

    writeIni("<SysConf");
    EXPECT_FALSE(conf.setSysIcon(QStringLiteral("a\\b.ico")));
    EXPECT_EQ(iniBytes(), QByteArray("<SysConf"));
    EXPECT_EQ(conf.getAttribOfElemt(1, QStringLiteral("field_name")), QString());
}

} // namespace
