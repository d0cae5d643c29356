#include "platform/FileSystem.h"
#include "platform/Media.h"
#include "platform/SelfRemoval.h"
#include "testsupport/CraftedPackage.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace stub;
using namespace stubtest;
namespace fs = std::filesystem;

TEST(Platform, ProgramFileAndItsFolderAreRemoved) {
    ScratchFolder dir;
    fs::create_directories(dir / "alone");
    fs::create_directories(dir / "shared");
    WriteFile(dir / "alone/Y_setup.exe", "x");
    WriteFile(dir / "shared/Y_setup.exe", "x");
    WriteFile(dir / "shared/other", "x");
    RemoveProgramFile(dir / "alone/Y_setup.exe", true);
    EXPECT_FALSE(fs::exists(dir / "alone"));
    RemoveProgramFile(dir / "shared/Y_setup.exe", true);
    EXPECT_FALSE(fs::exists(dir / "shared/Y_setup.exe"));
    EXPECT_TRUE(fs::exists(dir / "shared/other"));
    EXPECT_EQ(fs::path(OwnProgramPath()).filename(), "stub_platform_test");
}

TEST(Platform, FileSystemQueries) {
    ScratchFolder dir;
    EXPECT_GT(FreeBytes(dir.path).value_or(0), 0);
    // Free space moves while other tests write, so a folder still to be made is checked by
    // what stays put: the file system answering for it is its parent's.
    EXPECT_GT(FreeBytes(dir / "not/yet").value_or(0), 0);
    EXPECT_EQ(ClusterSize(dir / "not/yet"), ClusterSize(dir.path));
    EXPECT_EQ(MountPointOf(dir / "not/yet"), MountPointOf(dir.path));
    EXPECT_FALSE(FreeBytes("").has_value());
    EXPECT_GE(ClusterSize(dir.path), 512u);
    EXPECT_EQ(ClusterSize(""), 0u);
    EXPECT_TRUE(OnSameFileSystem(dir.path, dir / "x"));
    const std::string mount = MountPointOf(dir.path);
    EXPECT_EQ(dir.path.rfind(mount == "/" ? "/" : mount + "/", 0), 0u) << mount;
}

TEST(Platform, NoEjectOnAFixedDisk) {
    ScratchFolder dir;
    std::vector<std::string> log;
    EXPECT_FALSE(EjectMedia(dir.path, [&](const std::string& line) { log.push_back(line); }));
    EXPECT_TRUE(log.empty());
}
