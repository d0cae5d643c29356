#include "update/Shutdown.h"

#include "update/ProcessFinder.h"
#include "update/X11Windows.h"

#include <csignal>
#include <cstdlib>
#include <sys/syscall.h>
#include <unistd.h>

namespace stub {

namespace {

bool HasDisplay(const std::string& display) {
    const char* fromEnvironment = std::getenv("DISPLAY");
    return !display.empty() || (fromEnvironment && *fromEnvironment);
}

// A path names one program: another program of the same file name elsewhere is never touched.
bool AnyName(const std::string& exePath) {
    return exePath.find('/') != std::string::npos;
}

// Signals the process found for exePath; the process is pinned by a pidfd and checked to be the
// one found, so a reused id never receives the signal.
bool SignalProcess(const std::string& exePath, int signal) {
    auto identity = FindProcessIdentity(exePath, AnyName(exePath));
    if (!identity)
        return false;
    int pinned = int(::syscall(SYS_pidfd_open, identity->pid, 0));
    if (pinned < 0)
        return false;
    bool sent = IsAlive(*identity) && ReadOwnProcess(identity->pid) &&
                ::syscall(SYS_pidfd_send_signal, pinned, signal, nullptr, 0) == 0;
    ::close(pinned);
    return sent;
}

} // namespace

std::optional<WindowId> FindMainWindow(const std::string& exePath, const std::string& display) {
    pid_t pid = FindProcess(exePath, AnyName(exePath));
    if (pid == 0 || !HasDisplay(display))
        return std::nullopt;
    X11Windows windows(display);
    if (!windows.Connected())
        return std::nullopt;
    return windows.MainWindowOf(pid);
}

bool PostToProcess(const std::string& exePath, ProcessMessage message, const std::string& display) {
    if (message == ProcessMessage::Quit)
        return SignalProcess(exePath, SIGTERM);
    if (!HasDisplay(display))
        return SignalProcess(exePath, SIGTERM);
    pid_t pid = FindProcess(exePath, AnyName(exePath));
    if (pid == 0)
        return false;
    X11Windows windows(display);
    if (!windows.Connected())
        return SignalProcess(exePath, SIGTERM);
    auto main = windows.MainWindowOf(pid);
    return main && windows.RequestClose(*main);
}

bool CloseProcess(const std::string& exePath, const std::string& display) {
    return PostToProcess(exePath, ProcessMessage::Close, display);
}

bool QuitProcess(const std::string& exePath) {
    return PostToProcess(exePath, ProcessMessage::Quit);
}

bool TerminateProcess(const std::string& exePath) {
    return SignalProcess(exePath, SIGKILL);
}

} // namespace stub
