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

// Writes the agent copy of a web package (whose payload is downloaded, so the file is small): the
// whole file, cut at the package end when fewer than 10000 bytes follow it, with IsAgent set in
// the trailer where the trailer reader finds it, never at a fixed distance from the file's end.
// False when the file holds no trailer with that field or the copy could not be written.
bool WriteWebAgentCopy(const InputFile& source, const std::string& agentPath);

} // namespace stub
