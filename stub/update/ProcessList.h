#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace stub {

// A process as long as it lives: a reused id comes with another start time.
struct ProcessIdentity {
    pid_t pid = 0;
    std::uint64_t startTime = 0; // clock ticks after boot
    bool operator==(const ProcessIdentity&) const = default;
};

struct ProcessEntry {
    ProcessIdentity identity;
    std::string exePath; // the executable's path as the process sees it
};

// The ids of the processes of this user, highest first.
std::vector<pid_t> OwnProcessIds();

// The executable and start time of a process of this user; nullopt when it has ended, belongs
// to another user or cannot be read.
std::optional<ProcessEntry> ReadOwnProcess(pid_t pid);

// True while the process runs (an ended one not yet reaped counts as gone).
bool IsAlive(const ProcessIdentity& identity);

} // namespace stub
