#pragma once

#include <cstdint>
#include <string>

namespace stub {

// The file a download goes to before it is complete: destination + "." + (size + stamp).
std::string PartialFileName(const std::string& destination, std::int64_t size, std::uint32_t stamp);

// Deletes the partial files of earlier downloads of the destination (destination + "." + digits),
// and nothing else beside it.
void DeleteStalePartialFiles(const std::string& destination);

} // namespace stub
