#include "update/ProcessFinder.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <thread>

namespace stub {

namespace {

// Never the name of a file: a path without a canonical form matches nothing that way.
const std::string kNoCanonical = "*XX*";

std::string Unquoted(std::string path) {
    while (path.size() >= 2 && path.front() == '"' && path.back() == '"')
        path = path.substr(1, path.size() - 2);
    return path;
}

std::string Canonical(const std::string& path, const std::string& none) {
    char resolved[PATH_MAX];
    return ::realpath(path.c_str(), resolved) ? std::string(resolved) : none;
}

bool SameText(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](unsigned char x, unsigned char y) {
        return std::tolower(x) == std::tolower(y);
    });
}

std::int64_t SteadyTickMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

} // namespace

std::optional<ProcessIdentity> FindProcessIdentity(const std::string& exePath, bool anyName) {
    std::string wanted = Unquoted(exePath);
    if (wanted.empty())
        return std::nullopt;
    std::string wantedCanonical = Canonical(wanted, kNoCanonical);
    for (pid_t pid : OwnProcessIds()) {
        auto entry = ReadOwnProcess(pid);
        if (!entry)
            continue;
        std::string name = std::filesystem::path(entry->exePath).filename().string();
        if (SameText(entry->exePath, wanted) || (!anyName && SameText(name, wanted)) ||
            Canonical(entry->exePath, {}) == wantedCanonical)
            return entry->identity;
    }
    return std::nullopt;
}

pid_t FindProcess(const std::string& exePath, bool anyName) {
    auto identity = FindProcessIdentity(exePath, anyName);
    return identity ? identity->pid : 0;
}

bool IsProcessRunning(const std::string& exePath) {
    return FindProcess(exePath) != 0;
}

bool WaitForProcessEnd(const std::string& exePath, std::int64_t timeoutMs, const WaitHooks& hooks) {
    auto wait = [&hooks](int ms) {
        if (hooks.wait)
            hooks.wait(ms);
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    };
    auto tick = [&hooks] {
        return hooks.tickMs ? hooks.tickMs() : SteadyTickMs();
    };
    std::int64_t start = tick();
    wait(1000);
    auto identity = FindProcessIdentity(exePath, exePath.find('/') != std::string::npos);
    if (!identity)
        return true;
    for (;;) {
        if (hooks.stop && hooks.stop())
            return !IsAlive(*identity);
        wait(1000);
        if (timeoutMs > 0 && tick() >= start + timeoutMs)
            return !IsAlive(*identity);
        if (!IsAlive(*identity))
            return true;
    }
}

} // namespace stub
