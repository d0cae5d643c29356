#pragma once

#include <ctime>
#include <optional>
#include <string>

namespace stub {

// Sets the access and modification time of path (not following a final symbolic link).
bool SetFileTime(const std::string& path, std::time_t when);

std::optional<std::time_t> FileModificationTime(const std::string& path);

// Sets the access and modification time of an open file.
bool SetFileTime(int fd, std::time_t when);

} // namespace stub
