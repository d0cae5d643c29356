#include "platform/IniFile.h"
#include "testsupport/CraftedPackage.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace stub;
using namespace stubtest;

TEST(IniFile, ReadsSectionsAndKeysWithoutRegardToCase) {
    auto ini =
        IniFile::Parse("; comment\r\n[Strings]\r\n  Key = \"quoted value\" \r\nkey=second\r\n"
                       "[Other]\nKey=other\nnoequals\n=empty key\nPath=a\\b\n");
    EXPECT_EQ(ini.Value("strings", "KEY", "-"), "quoted value");
    EXPECT_EQ(ini.Value("OTHER", "key", "-"), "other");
    EXPECT_EQ(ini.Value("Other", "Path", "-"), "a\\b");
    EXPECT_EQ(ini.Value("Missing", "key", "-"), "-");
    EXPECT_FALSE(ini.Value("Other", "noequals").has_value());
}

TEST(IniFile, RefusesWhatIsNotAFileOrTooLarge) {
    ScratchFolder dir;
    std::string error;
    EXPECT_FALSE(IniFile::Load(dir / "none.ini", &error));
    EXPECT_NE(error.find("none.ini"), std::string::npos);
    mkfifo((dir / "pipe.ini").c_str(), 0600);
    EXPECT_FALSE(IniFile::Load(dir / "pipe.ini", &error));
    EXPECT_NE(error.find("not a regular file"), std::string::npos);
    WriteFile(dir / "big.ini", "[A]\nk=" + std::string(IniFile::kMaxSize, 'x'));
    EXPECT_FALSE(IniFile::Load(dir / "big.ini", &error));
    EXPECT_NE(error.find("larger than"), std::string::npos);
}

TEST(IniFile, WritingChangesOnlyTheNamedKey) {
    ScratchFolder dir;
    const std::string path = dir / "conf/Tesserin/Kelpset.conf";
    ASSERT_TRUE(WriteIniValue(path, "SpanDisk", "ForcePrompt", "1"));
    EXPECT_EQ(ReadFile(path), "[SpanDisk]\nForcePrompt=1\n");
    WriteFile(path, "; kept\n[AutoUpdate]\nLast=5\n\n[SpanDisk]\nforceprompt = 1\nOther=x\n");
    ASSERT_TRUE(WriteIniValue(path, "spandisk", "ForcePrompt", "0"));
    ASSERT_TRUE(WriteIniValue(path, "AutoUpdate", "Next", "7"));
    EXPECT_EQ(ReadFile(path),
              "; kept\n[AutoUpdate]\nLast=5\nNext=7\n\n[SpanDisk]\nForcePrompt=0\nOther=x\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir / "conf/Tesserin"),
                            std::filesystem::directory_iterator()),
              1);
}
