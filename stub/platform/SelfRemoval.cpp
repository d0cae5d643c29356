#include "platform/SelfRemoval.h"

#include <filesystem>
#include <unistd.h>

namespace stub {

std::string OwnProgramPath() {
    std::error_code ec;
    return std::filesystem::read_symlink("/proc/self/exe", ec).string();
}

void RemoveProgramFile(const std::string& programPath, bool removeFolder) {
    if (programPath.empty())
        return;
    unlink(programPath.c_str());
    if (removeFolder)
        rmdir(std::filesystem::path(programPath).parent_path().c_str());
}

} // namespace stub
