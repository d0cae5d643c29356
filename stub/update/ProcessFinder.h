#pragma once

#include "update/ProcessList.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace stub {

// The running process of this user whose executable is exePath: by its full path, its file
// name (unless anyName) or its canonical path; surrounding quotes are ignored. Ids are tried from
// the highest down, the first match wins.
std::optional<ProcessIdentity> FindProcessIdentity(const std::string& exePath, bool anyName);

// The same as a process id, 0 when none.
pid_t FindProcess(const std::string& exePath, bool anyName = false);

bool IsProcessRunning(const std::string& exePath);

struct WaitHooks {
    std::function<void(int ms)> wait;     // waits while pumping events; default: sleep
    std::function<std::int64_t()> tickMs; // default: monotonic clock
    std::function<bool()> stop;           // ends the wait early: the program is closing
};

// Waits until the process found at the start has ended, or timeoutMs has passed (0: no
// time-out) or hooks.stop says so. True when it ended. A path holding "/" matches by its path only.
bool WaitForProcessEnd(const std::string& exePath, std::int64_t timeoutMs,
                       const WaitHooks& hooks = {});

} // namespace stub
