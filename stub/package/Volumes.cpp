#include "package/Volumes.h"

#include <string>

namespace stub {

std::string VolumeBase(const std::string& firstVolume) {
    const std::string suffix = ".001";
    if (firstVolume.size() > suffix.size() &&
        firstVolume.compare(firstVolume.size() - suffix.size(), suffix.size(), suffix) == 0)
        return firstVolume.substr(0, firstVolume.size() - suffix.size());
    return firstVolume;
}

std::string VolumePath(const std::string& base, int number) {
    std::string digits = std::to_string(number);
    return base + "." + std::string(digits.size() < 3 ? 3 - digits.size() : 0, '0') + digits;
}

} // namespace stub
