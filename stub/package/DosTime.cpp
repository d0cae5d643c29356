#include "package/DosTime.h"

namespace stub {

std::optional<std::time_t> DosTimeToTime(std::uint32_t dosTime) {
    std::tm parts{};
    parts.tm_mday = static_cast<int>(dosTime >> 16 & 0x1F);
    parts.tm_mon = static_cast<int>(dosTime >> 21 & 0x0F) - 1;
    parts.tm_year = static_cast<int>(dosTime >> 25 & 0x7F) + 80;
    parts.tm_sec = static_cast<int>(dosTime & 0x1F) * 2;
    parts.tm_min = static_cast<int>(dosTime >> 5 & 0x3F);
    parts.tm_hour = static_cast<int>(dosTime >> 11 & 0x1F);
    parts.tm_isdst = -1;
    if (parts.tm_mday < 1 || parts.tm_mon < 0 || parts.tm_mon > 11 || parts.tm_hour > 23 ||
        parts.tm_min > 59 || parts.tm_sec > 59)
        return std::nullopt;
    std::time_t when = std::mktime(&parts);
    if (when == static_cast<std::time_t>(-1))
        return std::nullopt;
    return when;
}

namespace {

std::uint32_t PartsToDosTime(const std::tm& parts) {
    if (parts.tm_year < 80)
        return (1 << 16) | (1 << 21);
    return std::uint32_t(parts.tm_year - 80) << 25 | std::uint32_t(parts.tm_mon + 1) << 21 |
           std::uint32_t(parts.tm_mday) << 16 | std::uint32_t(parts.tm_hour) << 11 |
           std::uint32_t(parts.tm_min) << 5 | std::uint32_t(parts.tm_sec / 2);
}

} // namespace

std::uint32_t TimeToDosTime(std::time_t when) {
    std::tm parts{};
    localtime_r(&when, &parts);
    return PartsToDosTime(parts);
}

std::uint32_t UtcTimeToDosTime(std::time_t when) {
    std::tm parts{};
    gmtime_r(&when, &parts);
    return PartsToDosTime(parts);
}

} // namespace stub
