#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace stub {

// A file block's entry header: "|name|stamp|".
struct EntryHeader {
    std::string name;     // EntryName as stored, with any "*" mark and parameters
    std::uint32_t stamp;  // DOS date-time; 0 when absent or not a number
    std::string fileName; // the name before any "*", spaces kept
    bool isEngine;        // the name carries the "*" mark
};

EntryHeader ParseEntryHeader(const std::string& header);

// The entry's file name as a relative path below the destination, with "\" read as "/";
// nullopt for an empty or absolute name or one with a "." or ".." part.
std::optional<std::string> SafeRelativePath(const std::string& fileName);

// A file name without any folder part ("/" or "\\"), neither "." nor "..".
bool IsBareFileName(const std::string& name);

} // namespace stub
