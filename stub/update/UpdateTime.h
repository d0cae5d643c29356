#pragma once

#include <cstdint>
#include <ctime>
#include <string>

namespace stub {

// The update cycle's clock: the local date and time as days since 30 December 1899 times 86400,
// so whole seconds. Stored in the version record, so it must stay this count.
std::int64_t UpdateSeconds(const std::tm& local);
std::int64_t UpdateSecondsNow();
// The readable form written beside a stored time: "2026-12-10 15:04:05".
std::string ReadableUpdateTime(std::int64_t seconds);

} // namespace stub
