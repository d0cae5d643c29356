#include "platform/SelfRemoval.h"

#include <filesystem>
#include <unistd.h>

namespace stub {

void RemoveOwnFile(bool removeFolder) {
    std::error_code ec;
    auto own = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        return;
    unlink(own.c_str());
    if (removeFolder)
        rmdir(own.parent_path().c_str());
}

} // namespace stub
