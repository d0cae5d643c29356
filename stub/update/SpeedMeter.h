#pragma once

#include <cstdint>
#include <deque>
#include <string>

namespace stub {

// The download's status text: bytes received of the total and, once time has passed between the
// oldest and the newest of the last five samples, the rate over them.
class SpeedMeter {
public:
    explicit SpeedMeter(std::int64_t total)
        : total_(total) {}

    // Records a sample and returns the text for it.
    std::string Update(std::int64_t tickMs, std::int64_t received);

private:
    struct Sample {
        std::int64_t tick;
        std::int64_t bytes;
    };
    std::int64_t total_;
    std::deque<Sample> samples_;
};

} // namespace stub
