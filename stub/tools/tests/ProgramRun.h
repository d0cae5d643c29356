#pragma once

#include "testsupport/CraftedPackage.h"

#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace stubtest {

struct Outcome {
    int code;
    std::string out;
    std::string err;
};

// Runs a program (found on PATH) as a user would, with no terminal: standard input is `input`,
// the environment the test's own plus `extraEnvironment` ("NAME=value").
inline Outcome RunProgram(const ScratchFolder& dir, std::vector<std::string> args,
                          const std::string& input = {},
                          std::vector<std::string> extraEnvironment = {}) {
    const std::string in = dir / "stdin.txt";
    const std::string out = dir / "stdout.txt";
    const std::string err = dir / "stderr.txt";
    WriteFile(in, input);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, in.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    // A new session: the child has no controlling terminal to ask on.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
    std::vector<char*> argv;
    for (auto& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    std::vector<char*> environment;
    for (char** each = environ; *each; ++each)
        environment.push_back(*each);
    for (auto& each : extraEnvironment)
        environment.push_back(each.data());
    environment.push_back(nullptr);
    pid_t child = 0;
    int status = -1;
    if (posix_spawnp(&child, argv[0], &actions, &attributes, argv.data(), environment.data()) == 0)
        waitpid(child, &status, 0);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(out), ReadFile(err)};
}

} // namespace stubtest
