#include "package/TempFolders.h"

#include "package/DosTime.h"
#include "package/ListText.h"
#include "platform/FileSystem.h"
#include "platform/FileTimes.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sys/stat.h>

namespace stub {

namespace {

// A fresh folder base + "TEMP_<r>" (mode 0700), never one that already existed.
std::string MakeRandomFolder(const std::string& base) {
    std::random_device device;
    std::uniform_int_distribution<int> pick(10000, 100000);
    for (int attempt = 0; attempt < 20; ++attempt) {
        std::string folder = base + "/TEMP_" + std::to_string(pick(device));
        if (mkdir(folder.c_str(), 0700) == 0)
            return folder;
    }
    return {};
}

// Free bytes of base when a test file can be written there.
std::int64_t WritableFreeBytes(const std::string& base) {
    std::string folder = MakeRandomFolder(base);
    if (folder.empty())
        return -1;
    std::int64_t free = -1;
    {
        std::ofstream probe(folder + "/~aa.tmp");
        probe << "aa";
        if (probe.flush())
            free = FreeBytes(folder).value_or(-1);
    }
    RemoveFolderTree(folder, false);
    return free;
}

} // namespace

std::string MbFigure(std::int64_t bytes) {
    const double mb = bytes < 0 ? 0.0 : static_cast<double>(bytes) / 1048576.0;
    char text[32];
    std::snprintf(text, sizeof text, mb > 10 ? "%.1f" : mb >= 1 ? "%.2f" : "%.3f", mb);
    return text;
}

std::string TempSpaceMessage(const TGFileInfo& package, const std::string& drive,
                             std::int64_t required, std::int64_t free) {
    std::string text;
    if (package.AnnounceTempExtraction())
        text = package.LanguageText("s2");
    if (required >= free)
        text = package.LanguageText("s3");
    if (text.empty())
        return text;
    text += package.LanguageText("s4") + package.LanguageText("s5") + package.LanguageText("s6");
    text = ReplaceAll(text, "<DRIVE>", drive);
    text = ReplaceAll(text, "<SPACE_REQ>", MbFigure(required));
    return ReplaceAll(text, "<SPACE_AVAIL>", MbFigure(free));
}

bool CheckTempSpace(const std::string& destFolder, const TGFileInfo& package, MessageBoxes& boxes) {
    const std::int64_t required = package.SpaceRequiredFor(destFolder);
    const std::int64_t free = FreeBytes(destFolder).value_or(0);
    const std::string text = TempSpaceMessage(package, MountPointOf(destFolder), required, free);
    if (text.empty())
        return true;
    return boxes.AskYesNo(text, package.LanguageText("Confirm"), package.Charset(),
                          package.LanguageText("BtnText"));
}

bool EnoughSpace(const std::string& folder, std::int64_t required) {
    return IsDirectory(folder) && required < FreeBytes(folder).value_or(0);
}

TempFolders::TempFolders(std::string stubPath)
    : stubPath_(std::move(stubPath)) {}

TempFolders::~TempFolders() {
    RemoveAll();
}

const std::string& TempFolders::TempPath() {
    if (tempPath_.empty())
        tempPath_ = MakePrivateTempFolder();
    return tempPath_;
}

const std::string& TempFolders::PickTempFolder() {
    if (!setupFolder_.empty())
        return setupFolder_;
    const auto when = FileModificationTime(stubPath_);
    const std::uint32_t stamp = when ? TimeToDosTime(*when) : 0;
    setupFolder_ = TempPath() + "SETUP_" + std::to_string(stamp & 0xFFFF);
    RemoveFolderTree(setupFolder_, true);
    MakeFolders(setupFolder_);
    return setupFolder_;
}

bool TempFolders::PickAlternativeTempDrive() {
    if (!alternative_.empty())
        return true;
    std::string best;
    std::int64_t bestFree = FreeBytes(TempPath()).value_or(0);
    const char* home = std::getenv("HOME");
    for (std::string base : {std::string("/var/tmp"), std::string(home ? home : "")}) {
        if (base.empty() || !IsDirectory(base) || OnSameFileSystem(base, TempPath()))
            continue;
        std::int64_t free = WritableFreeBytes(base);
        if (free > bestFree) {
            best = base;
            bestFree = free;
        }
    }
    if (!best.empty())
        alternative_ = MakeRandomFolder(best);
    return !alternative_.empty();
}

void TempFolders::RemoveAll() {
    if (!alternative_.empty())
        RemoveFolderTree(alternative_, false);
    if (!tempPath_.empty())
        RemoveFolderTree(tempPath_, false);
    alternative_.clear();
    setupFolder_.clear();
    tempPath_.clear();
}

} // namespace stub
