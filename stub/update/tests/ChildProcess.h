#pragma once

#include <csignal>
#include <spawn.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace stubtest {

// A child process started for a test, killed and reaped at the end unless reaped before.
class ChildProcess {
public:
    ChildProcess(const std::string& path, const std::vector<std::string>& args,
                 char** environment = environ, posix_spawn_file_actions_t* actions = nullptr) {
        std::vector<char*> argv{const_cast<char*>(path.c_str())};
        for (const auto& arg : args)
            argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        if (posix_spawn(&pid_, path.c_str(), actions, nullptr, argv.data(), environment) != 0)
            throw std::runtime_error("cannot start " + path);
    }
    ~ChildProcess() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            Reap();
        }
    }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    pid_t Pid() const { return pid_; }

    // Waits for the end; the raw wait status.
    int Reap() {
        int status = 0;
        ::waitpid(pid_, &status, 0);
        pid_ = 0;
        return status;
    }

private:
    pid_t pid_ = 0;
};

} // namespace stubtest
