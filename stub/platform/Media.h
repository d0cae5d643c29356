#pragma once

#include "platform/ProcessLog.h"

#include <string>

namespace stub {

// Ejects the medium holding path when it is removable, through the `eject` program.
// True when the medium was ejected; every failure is swallowed.
bool EjectMedia(const std::string& path, const LogSink& log);

} // namespace stub
