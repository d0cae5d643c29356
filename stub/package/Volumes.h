#pragma once

#include <string>

namespace stub {

constexpr int kLastVolume = 999;

// The first volume's path without a final ".001".
std::string VolumeBase(const std::string& firstVolume);
// base + "." + the volume number in three digits.
std::string VolumePath(const std::string& base, int number);

} // namespace stub
