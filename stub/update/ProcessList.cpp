#include "update/ProcessList.h"

#include <dirent.h>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace stub {

namespace {

const std::string kDeleted = " (deleted)";

struct StatFields {
    char state = 0;
    std::uint64_t startTime = 0;
};

// State and start time from /proc/<pid>/stat; the name in parentheses may hold anything.
std::optional<StatFields> ReadStat(pid_t pid) {
    std::ifstream file("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(file, line))
        return std::nullopt;
    std::size_t close = line.rfind(')');
    if (close == std::string::npos)
        return std::nullopt;
    std::istringstream rest(line.substr(close + 1));
    StatFields fields;
    std::string skip;
    rest >> fields.state;
    // Fields 4 to 21, then the start time (field 22).
    for (int field = 4; field <= 21 && rest; ++field)
        rest >> skip;
    if (!(rest >> fields.startTime))
        return std::nullopt;
    return fields;
}

bool OwnedByMe(pid_t pid) {
    struct stat info {};
    return ::stat(("/proc/" + std::to_string(pid)).c_str(), &info) == 0 &&
           info.st_uid == ::geteuid();
}

} // namespace

std::vector<pid_t> OwnProcessIds() {
    std::vector<pid_t> ids;
    DIR* proc = ::opendir("/proc");
    if (!proc)
        return ids;
    while (dirent* entry = ::readdir(proc)) {
        char* end = nullptr;
        long pid = std::strtol(entry->d_name, &end, 10);
        if (*end == '\0' && pid > 0 && pid <= INT_MAX && OwnedByMe(pid_t(pid)))
            ids.push_back(pid_t(pid));
    }
    ::closedir(proc);
    std::sort(ids.rbegin(), ids.rend());
    return ids;
}

std::optional<ProcessEntry> ReadOwnProcess(pid_t pid) {
    if (!OwnedByMe(pid))
        return std::nullopt;
    std::string link(PATH_MAX, '\0');
    ssize_t length =
        ::readlink(("/proc/" + std::to_string(pid) + "/exe").c_str(), link.data(), link.size());
    if (length <= 0)
        return std::nullopt;
    link.resize(std::size_t(length));
    if (link.ends_with(kDeleted))
        link.resize(link.size() - kDeleted.size());
    auto stat = ReadStat(pid);
    if (!stat || stat->state == 'Z' || stat->state == 'X')
        return std::nullopt;
    return ProcessEntry{{pid, stat->startTime}, link};
}

bool IsAlive(const ProcessIdentity& identity) {
    auto stat = ReadStat(identity.pid);
    return stat && stat->state != 'Z' && stat->state != 'X' &&
           stat->startTime == identity.startTime;
}

} // namespace stub
