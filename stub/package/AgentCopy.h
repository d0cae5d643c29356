#pragma once

#include "package/InputFile.h"
#include "package/PackageTrailer.h"

#include <cstdint>
#include <string>

namespace stub {

// Writes the update agent: the package file cut after its information blocks (infoEnd), closed
// by a copy of its trailer marked as an agent. True when it was written.
bool WriteUpdateAgent(const InputFile& source, std::int64_t infoEnd, const PackageTrailer& trailer,
                      const std::string& agentPath);

} // namespace stub
