#pragma once

#include "platform/ProcessLog.h"

#include <string>

namespace stub {

// The update agent's debug log: own folder + "X_" + own file name with its extension changed to
// ".log" (a working agent's "X_" is not doubled).
std::string DebugLogPath(const std::string& ownPath);

// A sink appending "<date> <time> <thread id in 5> <prefix><text>\r\n" to path; the file is
// opened append-only and never through a link. The prefix is " X " for a working agent, three
// spaces otherwise.
LogSink DebugLogFile(const std::string& path, bool workingAgent);

} // namespace stub
