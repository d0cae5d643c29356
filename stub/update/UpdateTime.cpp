#include "update/UpdateTime.h"

#include <chrono>
#include <cstdio>

namespace stub {

namespace {

constexpr std::chrono::sys_days kEpoch{std::chrono::year{1899} / 12 / 30};

} // namespace

std::int64_t UpdateSeconds(const std::tm& local) {
    using namespace std::chrono;
    const sys_days date{year{local.tm_year + 1900} /
                        month(static_cast<unsigned>(local.tm_mon + 1)) /
                        day(static_cast<unsigned>(local.tm_mday))};
    return (date - kEpoch).count() * std::int64_t{86400} + local.tm_hour * 3600 +
           local.tm_min * 60 + local.tm_sec;
}

std::int64_t UpdateSecondsNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return UpdateSeconds(local);
}

std::string ReadableUpdateTime(std::int64_t seconds) {
    using namespace std::chrono;
    std::int64_t days = seconds / 86400;
    std::int64_t rest = seconds % 86400;
    if (rest < 0) {
        rest += 86400;
        --days;
    }
    const year_month_day date{kEpoch + std::chrono::days{days}};
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u %02d:%02d:%02d", int(date.year()),
                  unsigned(date.month()), unsigned(date.day()), int(rest / 3600),
                  int(rest / 60 % 60), int(rest % 60));
    return text;
}

} // namespace stub
