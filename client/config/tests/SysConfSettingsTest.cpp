#include "config/SysConfSettings.h"
#include "config/tests/SysConfFixture.h"

namespace {

using SysConfSettingsTest = SysConfFixture;

TEST_F(SysConfSettingsTest, ReadingAMissingFileWritesTheDefaults) {
    const SysConfSettings settings = readSysConfSettings();
    EXPECT_TRUE(QFile::exists(iniPath()));
    EXPECT_EQ(settings.fields[12].field_name, QStringLiteral("付款帐号"));
    EXPECT_EQ(settings.fields[24].field_name, QStringLiteral("现代支付行号"));
    EXPECT_FALSE(settings.fields[12].is_account);
    EXPECT_EQ(settings.fields[12].length, QString());
}

TEST_F(SysConfSettingsTest, FlagsTickWhenTheyReadAsTheNumberOne) {
    SysConf conf;
    const struct {
        const char* stored;
        bool ticked;
    } cases[] = {{"1", true}, {" 1.0", true}, {"0", false},
                 {"", false}, {"yes", false}, {"2", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        ASSERT_TRUE(
            conf.setAttrib2Elemt(3, QStringLiteral("not_null"), QString::fromUtf8(c.stored)));
        EXPECT_EQ(readSysConfSettings().fields[3].not_null, c.ticked);
    }
}

TEST_F(SysConfSettingsTest, TheFirstAccountWithoutLengthStopsTheSaveBeforeAnythingIsRead) {
    SysConfSettings settings = readSysConfSettings();
    const QByteArray before = iniBytes();
    settings.fields[14].is_account = true;
    settings.fields[9].is_account = true;
    settings.fields[9].length = QStringLiteral(" ");
    const SettingsSaveResult result = saveSysConfSettings(settings);
    EXPECT_EQ(result.outcome, SettingsSave::AccountWithoutLength);
    EXPECT_EQ(result.fieldId, 9);
    EXPECT_EQ(iniBytes(), before);
}

// Every change goes into one document: a text GBK cannot hold refuses the whole save, and the
// chosen icon is not put into ico/ either.
TEST_F(SysConfSettingsTest, ARefusedSaveChangesNeitherTheFileNorIco) {
    SysConfSettings settings = readSysConfSettings();
    const QByteArray before = iniBytes();
    QTemporaryDir elsewhere;
    const QString icon = elsewhere.filePath(QStringLiteral("new.ico"));
    QFile file(icon);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("icon bytes");
    file.close();
    settings.iconFile = icon;
    settings.iconChosen = true;
    settings.fields[1].can_edit = true;
    settings.fields[24].max_value = QStringLiteral("上限\U0001F600");
    EXPECT_EQ(saveSysConfSettings(settings).outcome, SettingsSave::Failed);
    EXPECT_EQ(iniBytes(), before);
    EXPECT_TRUE(QDir(folder() + "ico").entryList(QDir::Files | QDir::Hidden).isEmpty());

    settings.fields[24].max_value = QStringLiteral("100");
    EXPECT_EQ(saveSysConfSettings(settings).outcome, SettingsSave::Saved);
    EXPECT_TRUE(iniText().contains(QStringLiteral("sys_icon=\"ico\\new.ico\"")));
    EXPECT_EQ(QDir(folder() + "ico").entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("new.ico")});
    EXPECT_EQ(sharedConfig().FieldRule[24].max_value, 100);
    EXPECT_TRUE(sharedConfig().FieldRule[1].can_edit);
}

} // namespace
