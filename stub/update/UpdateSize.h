#pragma once

#include "platform/ProcessLog.h"

#include <cstdint>
#include <string>

namespace stub {

// The size of name below base: the local file's when the base counts as local and the file
// is there (IsLocalBase), else what the server announces when network calls are allowed (and,
// under httpsOnly, the base is https), else -1.
std::int64_t UpdateFileSize(const std::string& base, const std::string& name,
                            bool descriptionWasLocal, bool networkAllowed, bool httpsOnly = false,
                            const LogSink& log = {});

} // namespace stub
