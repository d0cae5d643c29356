#include "update/UpdateDescription.h"
#include "update/UpdateTime.h"
#include "update/VersionRecord.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace stub;

namespace {

std::tm Local(int year, int month, int day, int hour, int minute, int second) {
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    return t;
}

TEST(UpdateTimeTest, DaysSinceTheEndOf1899TimesADay) {
    EXPECT_EQ(UpdateSeconds(Local(1899, 12, 30, 0, 0, 0)), 0);
    EXPECT_EQ(UpdateSeconds(Local(1900, 1, 1, 0, 0, 1)), 2 * 86400 + 1);
    EXPECT_EQ(UpdateSeconds(Local(2000, 1, 1, 0, 0, 0)), 36526LL * 86400);
    EXPECT_EQ(UpdateSeconds(Local(2026, 12, 10, 15, 4, 5)), 4006076645LL);
    EXPECT_EQ(ReadableUpdateTime(4006076645LL), "2026-12-10 15:04:05");
    EXPECT_EQ(ReadableUpdateTime(0), "1899-12-30 00:00:00");
    const std::int64_t now = UpdateSecondsNow();
    EXPECT_GT(now, UpdateSeconds(Local(2020, 1, 1, 0, 0, 0)));
}

TEST(VersionRecordTest, NumbersThatAreNotNumbersReadAsZero) {
    EXPECT_EQ(IniNumber(std::string("42")), 42);
    EXPECT_EQ(IniNumber(std::string(" -1 ")), -1);
    EXPECT_EQ(IniNumber(std::string("4x")), 0);
    EXPECT_EQ(IniNumber(std::string("")), 0);
    EXPECT_EQ(IniNumber(std::nullopt, 360), 360);
    EXPECT_EQ(IniNumber(std::string("99999999999999999999999")), 0);
}

class RecordFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("version-record-" + std::to_string(::getpid()));
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
        path_ = (dir_ / "update.original").string();
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::string Text() const {
        std::ifstream in(path_);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    std::filesystem::path dir_;
    std::string path_;
};

TEST_F(RecordFileTest, ReadsEveryKeyAndWritesOneKeyKeepingTheRest) {
    std::ofstream(path_) << "; installed by the engine\n"
                            "[OriginalSetup]\nProbeSecondsInterval=-1\nProbeSecondsLast=100\n"
                            "ReAskSecondsInterval=3600\nReAskSecondsLast=200\n"
                            "VersionOriginal=3\nStamp=\"s1\"\nProgramName=Demo\n"
                            "[Directories]\nTargetDir=/opt/demo\n"
                            "[UnInstall]\nStartUpLink=/home/u/start.desktop\n"
                            "[MsgBox]\nFontName=Tahoma\n";
    auto record = VersionRecord::Load(path_);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->probeSecondsInterval, -1);
    EXPECT_EQ(record->probeSecondsLast, 100);
    EXPECT_EQ(record->reAskSecondsInterval, 3600);
    EXPECT_EQ(record->reAskSecondsLast, 200);
    EXPECT_EQ(record->versionOriginal, 3);
    EXPECT_EQ(record->stamp, "s1");
    EXPECT_EQ(record->programName, "Demo");
    EXPECT_EQ(record->targetDir, "/opt/demo");
    EXPECT_EQ(record->startUpLink, "/home/u/start.desktop");

    ASSERT_TRUE(WriteRecordValue(path_, "VersionOriginal", "4"));
    ASSERT_TRUE(WriteRecordTime(path_, "ProbeSecondsLast", 4006076645LL));
    record = VersionRecord::Load(path_);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->versionOriginal, 4);
    EXPECT_EQ(record->probeSecondsLast, 4006076645LL);
    EXPECT_EQ(record->stamp, "s1");
    EXPECT_EQ(record->targetDir, "/opt/demo");
    const std::string text = Text();
    EXPECT_NE(text.find("; installed by the engine"), std::string::npos);
    EXPECT_NE(text.find("__ProbeSecondsLast=2026-12-10 15:04:05"), std::string::npos);
    EXPECT_NE(text.find("FontName=Tahoma"), std::string::npos);
}

TEST_F(RecordFileTest, AMissingRecordIsNoRecord) {
    std::string error;
    EXPECT_FALSE(VersionRecord::Load(path_, &error));
    EXPECT_FALSE(error.empty());
}

TEST(UpdateDescriptionTest, KeysAndDefaults) {
    const auto d = UpdateDescription::FromIni(IniFile::Parse(
        "[NewSetup]\nDownloadURL_UPDATE=http://127.0.0.1/u\nNameOfUpdateFile=setup.bin\n"
        "SizeOfUpdateFile=5000\nRequestConfirmationBeforeInstall=1\nBackgroundUpdate=yes\n"
        "ShutDownMethod=Using WM_CLOSE\nRestartProcess=1\nRunningProcess=<InstallDir>/demo\n"
        "ProgramName=Demo\nVersionNew=4\nStamp=s2\nValidVersions=3,4\n"
        "RemoveStartUpShortcut=1\n[General]\nAutoInform=0\n"
        "[AutoInform]\nNameOfInformFile=news.txt\nSizeOfInformFile=12\nAutoInformH=200\n"));
    EXPECT_EQ(d.downloadUrlUpdate, "http://127.0.0.1/u");
    EXPECT_EQ(d.nameOfUpdateFile, "setup.bin");
    EXPECT_EQ(d.sizeOfUpdateFile, 5000);
    EXPECT_FALSE(d.confirmBeforeDownload);
    EXPECT_TRUE(d.confirmBeforeInstall);
    EXPECT_FALSE(d.backgroundUpdate);
    EXPECT_EQ(d.shutDownMethod, "Using WM_CLOSE");
    EXPECT_TRUE(d.restartProcess);
    EXPECT_FALSE(d.informFinish);
    EXPECT_EQ(d.runningProcess, "<InstallDir>/demo");
    EXPECT_EQ(d.versionNew, 4);
    EXPECT_EQ(d.stamp, "s2");
    EXPECT_EQ(d.validVersions, "3,4");
    EXPECT_TRUE(d.removeStartUpShortcut);
    EXPECT_FALSE(d.removeCheckForNewUpdateShortcut);
    EXPECT_FALSE(d.autoInform);
    EXPECT_EQ(d.nameOfInformFile, "news.txt");
    EXPECT_EQ(d.sizeOfInformFile, 12);
    EXPECT_EQ(d.autoInformW, 360);
    EXPECT_EQ(d.autoInformH, 200);
}

} // namespace
