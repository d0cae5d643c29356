#pragma once

#include <functional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace stub {

// Starts args[0] with the given arguments; the child inherits the environment and the standard
// streams. -1 with errorText set when it could not be started.
pid_t StartProgram(const std::vector<std::string>& args, std::string* errorText = nullptr);

// Waits for a started program, calling wait(stepMs) between looks so that the caller keeps its
// windows alive. The exit code, or 128 + the signal that killed it.
int WaitForProgram(pid_t child, const std::function<void(int ms)>& wait, int stepMs);

// Starts a program in a session of its own and leaves it: it outlives the caller and leaves no
// zombie behind. False when it could not be started.
bool StartDetached(const std::vector<std::string>& args, std::string* errorText = nullptr);

// The calling thread's id.
long ThreadId();

} // namespace stub
