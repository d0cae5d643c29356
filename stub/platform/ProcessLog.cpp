#include "platform/ProcessLog.h"

#include <cstdio>
#include <mutex>

namespace stub {

void ProcessLog(const std::string& line) {
    static std::mutex lock;
    std::lock_guard<std::mutex> guard(lock);
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

} // namespace stub
