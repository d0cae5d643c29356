#pragma once

#include "package/MessageBoxes.h"
#include "package/TGFileInfo.h"

#include <cstdint>
#include <string>

namespace stub {

// MB figure of a byte count: 1 decimal above 10 MB, 2 from 1 MB, else 3; negative counts as 0.
std::string MbFigure(std::int64_t bytes);

// The temporary-space question, empty when nothing needs asking.
std::string TempSpaceMessage(const TGFileInfo& package, const std::string& drive,
                             std::int64_t required, std::int64_t free);

// Shows the temporary-space question when the package announces extraction or space is short;
// true to go on.
bool CheckTempSpace(const std::string& destFolder, const TGFileInfo& package, MessageBoxes& boxes);

// True when required < free on the folder's file system and the folder exists.
bool EnoughSpace(const std::string& folder, std::int64_t required);

// The process's temporary folders: a private folder made once, SETUP_<n> inside it, and an
// alternative folder on another file system when the first one lacks space. Everything made is
// removed by RemoveAll or the destructor.
class TempFolders {
public:
    explicit TempFolders(std::string stubPath);
    ~TempFolders();
    TempFolders(const TempFolders&) = delete;
    TempFolders& operator=(const TempFolders&) = delete;

    // The private temporary path, with a trailing '/'.
    const std::string& TempPath();
    // TempPath + "SETUP_<n>", <n> the time half of the stub's DOS stamp; emptied and created.
    const std::string& PickTempFolder();
    // Looks at /var/tmp and $HOME when they are on another file system; true when one with more
    // free space was chosen and its folder made.
    bool PickAlternativeTempDrive();
    const std::string& AlternativeFolder() const { return alternative_; }
    void RemoveAll();

private:
    std::string stubPath_;
    std::string tempPath_;
    std::string setupFolder_;
    std::string alternative_;
};

} // namespace stub
