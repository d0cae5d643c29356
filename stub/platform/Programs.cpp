#include "platform/Programs.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace stub {

namespace {

std::vector<char*> Argv(std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (auto& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    return argv;
}

pid_t Spawn(std::vector<std::string> args, bool newSession, std::string* errorText) {
    if (args.empty()) {
        if (errorText)
            *errorText = "no program named";
        return -1;
    }
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    if (newSession)
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
    auto argv = Argv(args);
    pid_t child = -1;
    const int error = posix_spawn(&child, argv[0], nullptr, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    if (error != 0) {
        if (errorText)
            *errorText = args[0] + ": " + std::strerror(error);
        return -1;
    }
    return child;
}

int ExitCode(int status) {
    if (WIFEXITED(status))
        return WEXITSTATUS(status);
    if (WIFSIGNALED(status))
        return 128 + WTERMSIG(status);
    return 1;
}

} // namespace

pid_t StartProgram(const std::vector<std::string>& args, std::string* errorText) {
    return Spawn(args, false, errorText);
}

int WaitForProgram(pid_t child, const std::function<void(int ms)>& wait, int stepMs) {
    for (;;) {
        int status = 0;
        const pid_t done = waitpid(child, &status, WNOHANG);
        if (done == child)
            return ExitCode(status);
        if (done < 0 && errno != EINTR)
            return 1;
        wait(stepMs);
    }
}

bool StartDetached(const std::vector<std::string>& args, std::string* errorText) {
    if (args.empty())
        return false;
    // A short-lived intermediate starts the program in a new session and ends at once; waiting
    // for it here leaves the program to init, so neither becomes a zombie. Everything the
    // intermediate needs is made before the fork.
    std::vector<std::string> copy = args;
    auto argv = Argv(copy);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0) {
        posix_spawnattr_destroy(&attributes);
        return false;
    }
    const pid_t middle = fork();
    if (middle == 0) {
        pid_t child = -1;
        int error = posix_spawn(&child, argv[0], nullptr, &attributes, argv.data(), environ);
        ssize_t written = write(report[1], &error, sizeof error);
        _exit(written == sizeof error ? 0 : 1);
    }
    posix_spawnattr_destroy(&attributes);
    close(report[1]);
    int error = ECHILD;
    const bool reported =
        middle > 0 && read(report[0], &error, sizeof error) == static_cast<ssize_t>(sizeof error);
    close(report[0]);
    if (middle > 0) {
        int status = 0;
        while (waitpid(middle, &status, 0) < 0 && errno == EINTR) {
        }
    }
    const bool started = reported && error == 0;
    if (!started && errorText)
        *errorText = args[0] + ": " + std::strerror(error);
    return started;
}

long ThreadId() {
    return static_cast<long>(gettid());
}

} // namespace stub
