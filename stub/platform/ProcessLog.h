#pragma once

#include <functional>
#include <string>

namespace stub {

using LogSink = std::function<void(const std::string& line)>;

// The process log: one line on standard output, serialised between threads.
void ProcessLog(const std::string& line);

} // namespace stub
