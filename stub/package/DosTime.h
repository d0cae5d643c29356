#pragma once

#include <cstdint>
#include <ctime>
#include <optional>

namespace stub {

// DOS date-time: date in the high 16 bits, time in the low 16 bits, local time.
std::optional<std::time_t> DosTimeToTime(std::uint32_t dosTime);
std::uint32_t TimeToDosTime(std::time_t when);
// The same from UTC, as a server's time stamps are given.
std::uint32_t UtcTimeToDosTime(std::time_t when);

} // namespace stub
