#include "update/SpeedMeter.h"

#include <cstdio>

namespace stub {

namespace {
constexpr std::size_t kSamples = 5;
}

std::string SpeedMeter::Update(std::int64_t tickMs, std::int64_t received) {
    samples_.push_back({tickMs, received});
    if (samples_.size() > kSamples)
        samples_.pop_front();
    std::string text = std::to_string(received) + "/" + std::to_string(total_) + " Bytes   ";
    const Sample& oldest = samples_.front();
    const Sample& newest = samples_.back();
    if (newest.tick > oldest.tick) {
        double kbPerSecond = double(newest.bytes - oldest.bytes) / 1024.0 /
                             (double(newest.tick - oldest.tick) / 1000.0);
        char rate[64];
        std::snprintf(rate, sizeof rate, "%.2f KB/Sec", kbPerSecond);
        text += rate;
    }
    return text;
}

} // namespace stub
