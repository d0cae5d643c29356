#pragma once

#include <string>
#include <vector>

namespace stub {

// A file name from an update description names a file in the agent's folder: a bare name only,
// never one of the agent's own files (the agent, its working copy, the record, the description).
// Empty when acceptable, else why not.
std::string RefusedUpdateFileName(const std::string& name,
                                  const std::vector<std::string>& ownFiles);

// A base address read as a local folder: only when the description itself came from a local
// folder, and never one holding "://".
bool IsLocalBase(const std::string& base, bool descriptionWasLocal);

// The local path of name below a local base ("\" and "/" both end a folder).
std::string LocalSource(const std::string& base, const std::string& name);

} // namespace stub
