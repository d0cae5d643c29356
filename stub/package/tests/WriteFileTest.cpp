#include "package/DosTime.h"
#include "package/OutputFile.h"
#include "package/TempFolders.h"
#include "platform/FileSystem.h"
#include "platform/FileTimes.h"
#include "testsupport/CraftedPackage.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace stub;
using namespace stubtest;
namespace fs = std::filesystem;

TEST(DosTime, StampOfTheExampleAndBack) {
    auto when = DosTimeToTime(953922124);
    ASSERT_TRUE(when);
    std::tm parts{};
    localtime_r(&*when, &parts);
    EXPECT_EQ(parts.tm_year + 1900, 2008);
    EXPECT_EQ(parts.tm_mon + 1, 6);
    EXPECT_EQ(parts.tm_mday, 27);
    EXPECT_EQ(parts.tm_hour, 22);
    EXPECT_EQ(parts.tm_min, 18);
    EXPECT_EQ(parts.tm_sec, 24);
    EXPECT_EQ(TimeToDosTime(*when), 953922124u);
    EXPECT_FALSE(DosTimeToTime(0));
}

TEST(WriteWholeFile, ChunksReportProgressAndCancelStops) {
    ScratchFolder dir;
    const std::string bytes(20000, 'b');
    std::vector<std::int64_t> written;
    EXPECT_TRUE(WriteWholeFile(dir / "f", bytes, 953922124, false,
                               [&](std::int64_t n, bool&) { written.push_back(n); }));
    EXPECT_EQ(written, (std::vector<std::int64_t>{2000, 4000, 6000, 8000, 10000, 12000, 14000,
                                                  16000, 18000, 20000}));
    EXPECT_EQ(FileModificationTime(dir / "f"), DosTimeToTime(953922124));

    written.clear();
    EXPECT_TRUE(WriteWholeFile(dir / "small", "12345", 0, false,
                               [&](std::int64_t n, bool&) { written.push_back(n); }));
    EXPECT_EQ(written, (std::vector<std::int64_t>{5}));

    EXPECT_FALSE(WriteWholeFile(dir / "f", bytes, 953922124 + 1, false,
                                [](std::int64_t n, bool& cancel) { cancel = n >= 4000; }));
    EXPECT_EQ(fs::file_size(dir / "f"), 4000u);
    EXPECT_NE(FileModificationTime(dir / "f"), DosTimeToTime(953922124 + 1));
}

TEST(WriteWholeFile, AppendTruncateAndFailure) {
    ScratchFolder dir;
    EXPECT_TRUE(WriteWholeFile(dir / "a", "one", 0, true));
    EXPECT_TRUE(WriteWholeFile(dir / "a", "two", 0, true));
    EXPECT_EQ(ReadFile(dir / "a"), "onetwo");
    EXPECT_TRUE(WriteWholeFile(dir / "a", "new", 0, false));
    EXPECT_EQ(ReadFile(dir / "a"), "new");
    fs::create_directory(dir / "folder");
    EXPECT_FALSE(WriteWholeFile(dir / "folder", "x", 0, false));
    // A symbolic link is never followed.
    fs::create_symlink(dir / "a", dir / "link");
    EXPECT_FALSE(WriteWholeFile(dir / "link", "x", 0, true));
    EXPECT_EQ(ReadFile(dir / "a"), "new");
}

TEST(RemoveFolderTree, RemovesEverythingButFollowsNoLinks) {
    ScratchFolder dir;
    fs::create_directories(dir / "tree/sub/deeper");
    WriteFile(dir / "tree/sub/deeper/f", "x");
    WriteFile(dir / "keep", "k");
    fs::create_symlink(dir.path, dir / "tree/sub/link");
    chmod((dir / "tree/sub").c_str(), 0500);
    EXPECT_TRUE(RemoveFolderTree(dir / "tree", true));
    EXPECT_FALSE(fs::exists(dir / "tree"));
    EXPECT_TRUE(fs::exists(dir / "keep"));
    EXPECT_FALSE(RemoveFolderTree(dir / "tree", true));
}

TEST(TempSpace, MegabyteFigures) {
    const std::pair<std::int64_t, const char*> cases[] = {
        {-5, "0.000"},       {0, "0.000"},       {524288, "0.500"},      {1048576, "1.00"},
        {10485760, "10.00"}, {11534336, "11.0"}, {1073741824, "1024.0"},
    };
    for (const auto& [bytes, text] : cases)
        EXPECT_EQ(MbFigure(bytes), text) << bytes;
}

TEST(TempSpace, MessageTexts) {
    ScratchFolder dir;
    CraftedPackage crafted;
    WriteFile(dir / "plain.exe", crafted.Bytes());
    crafted.trailer.Flags = AnnounceTempExtraction;
    WriteFile(dir / "announce.exe", crafted.Bytes());
    TGFileInfo plain(dir / "plain.exe");
    TGFileInfo announce(dir / "announce.exe");

    EXPECT_EQ(TempSpaceMessage(plain, "/tmp", 1048576, 2097152), "");
    EXPECT_EQ(TempSpaceMessage(announce, "/tmp", 1048576, 20971520),
              "Kelpset will extract files to your Temp Drive (/tmp)<P>"
              "<P>Estimated space required on your Temp drive is: <T>  1.00 MB<P>"
              "Free space available on your Temp drive is: <T>  20.0 MB<P>"
              "<P>Continue with Setup?<P>");
    std::string low = TempSpaceMessage(announce, "/tmp", 2097152, 2097152);
    EXPECT_EQ(low.find("Limited Free Space on your Temp Drive! (/tmp)<P>"), 0u);
    EXPECT_EQ(TempSpaceMessage(plain, "/tmp", 5, 1).find("Limited Free Space"), 0u);
}

TEST(TempSpace, CheckAsksOnlyWhenThereIsSomethingToSay) {
    ScratchFolder dir;
    CraftedPackage crafted;
    WriteFile(dir / "plain.exe", crafted.Bytes());
    crafted.trailer.Flags = AnnounceTempExtraction;
    WriteFile(dir / "announce.exe", crafted.Bytes());
    RecordingBoxes boxes;
    EXPECT_TRUE(CheckTempSpace(dir.path, TGFileInfo(dir / "plain.exe"), boxes));
    EXPECT_TRUE(boxes.shown.empty());
    boxes.answers = {false};
    EXPECT_FALSE(CheckTempSpace(dir.path, TGFileInfo(dir / "announce.exe"), boxes));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].kind, "yesno");
    EXPECT_EQ(boxes.shown[0].caption, "Confirm");
}

TEST(TempFolders, PrivateSetupFolderMadeOnceAndRemoved) {
    ScratchFolder dir;
    setenv("TMPDIR", dir.path.c_str(), 1);
    WriteFile(dir / "stub", "x");
    ASSERT_TRUE(SetFileTime(dir / "stub", *DosTimeToTime(953922124)));
    std::string setup;
    {
        TempFolders folders(dir / "stub");
        const std::string temp = folders.TempPath();
        EXPECT_EQ(temp.rfind(dir.path + "/kelpset-", 0), 0u);
        EXPECT_EQ(temp.back(), '/');
        struct stat st {};
        ASSERT_EQ(stat(temp.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0700u);
        setup = folders.PickTempFolder();
        EXPECT_EQ(setup, temp + "SETUP_" + std::to_string(953922124 & 0xFFFF));
        WriteFile(setup + "/left", "x");
        EXPECT_EQ(folders.PickTempFolder(), setup);
        EXPECT_TRUE(fs::exists(setup + "/left"));
        EXPECT_TRUE(EnoughSpace(setup, 0));
        EXPECT_FALSE(EnoughSpace(setup + "/none", 0));
    }
    EXPECT_FALSE(fs::exists(setup));
    unsetenv("TMPDIR");
}
