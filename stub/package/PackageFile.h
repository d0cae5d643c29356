#pragma once

#include "package/InputFile.h"
#include "package/PackageTrailer.h"

#include <cstdint>
#include <string>

namespace stub {

// "MZ" at offset 0 and "PE" at offset 0x100.
bool IsExecutable(const InputFile& file);
bool IsExecutable(const std::string& path);

// The end-of-package position stored at 0xF8/0xFC of an executable; 0 otherwise.
std::uint64_t EndOfPackageMarker(const InputFile& file);

// Where the package ends: the marker when set, else the end of the file.
std::int64_t PackageEnd(const InputFile& file);

// Where the trailer starts: its length is the last word before the package end.
std::int64_t TrailerStart(const InputFile& file);

// Locates and reads the trailer; lengths or markers that point outside the file raise
// PackageError.
PackageTrailer ReadTrailer(const InputFile& file);
PackageTrailer ReadTrailer(const std::string& path);

std::uint32_t PackageChecksum(const InputFile& file, std::int32_t trailerLength);
std::uint32_t PackageChecksum(const std::string& path, std::int32_t trailerLength);

inline bool ChecksumPasses(std::uint32_t sum, std::uint32_t stored) {
    return sum == stored || sum == kNoChecksum || stored == kNoChecksum;
}

} // namespace stub
