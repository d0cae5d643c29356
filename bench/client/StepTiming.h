#pragma once

#include <chrono>
#include <cstdio>
#include <ctime>
#include <functional>

// Wall-clock and processor time of one step; the machine may be shared, so both are printed.
struct Timing {
    double wall;
    double cpu;
};

inline Timing seconds(const std::function<void()>& step) {
    const auto start = std::chrono::steady_clock::now();
    const std::clock_t cpuStart = std::clock();
    step();
    return {std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
            static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC};
}

inline void report(const char* step, const Timing& timing) {
    std::printf("  %-28s %7.3f s wall, %7.3f s processor\n", step, timing.wall, timing.cpu);
}
