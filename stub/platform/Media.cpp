#include "platform/Media.h"

#include "platform/FileSystem.h"

#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>

extern char** environ;

namespace stub {

namespace {

// The device that is mounted at mountPoint, from the mount table.
std::string DeviceMountedAt(const std::string& mountPoint) {
    std::ifstream table("/proc/self/mountinfo");
    std::string line;
    while (std::getline(table, line)) {
        std::istringstream fields(line);
        std::string id, parent, numbers, root, point;
        fields >> id >> parent >> numbers >> root >> point;
        if (point != mountPoint)
            continue;
        auto dash = line.find(" - ");
        if (dash == std::string::npos)
            continue;
        std::istringstream tail(line.substr(dash + 3));
        std::string type, source;
        tail >> type >> source;
        return source;
    }
    return {};
}

bool IsRemovableDevice(const std::string& device) {
    if (device.rfind("/dev/", 0) != 0)
        return false;
    std::error_code ec;
    auto sys = std::filesystem::canonical(
        "/sys/class/block/" + std::filesystem::path(device).filename().string(), ec);
    if (ec)
        return false;
    for (auto dir : {sys, sys.parent_path()}) {
        std::ifstream flag(dir / "removable");
        char value = 0;
        if (flag >> value)
            return value == '1';
    }
    return false;
}

} // namespace

bool EjectMedia(const std::string& path, const LogSink& log) {
    std::string mountPoint = MountPointOf(path);
    std::string device = DeviceMountedAt(mountPoint);
    if (!IsRemovableDevice(device))
        return false;
    if (log)
        log("EjectCD-2: " + device + " " + mountPoint);
    char program[] = "eject";
    char* argv[] = {program, mountPoint.data(), nullptr};
    pid_t child = 0;
    if (posix_spawnp(&child, "eject", nullptr, nullptr, argv, environ) != 0)
        return false;
    int status = 0;
    return waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace stub
