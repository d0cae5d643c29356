#pragma once

#include <cstdint>

// The fixed pseudo-random generator of the password scrambling: a 24-bit linear congruential
// generator, so that the same password gives the same scrambled text on every machine.
class ScrambleRandom {
public:
    // The reseeding call with the argument -1: a fixed starting state.
    void resetToMinusOne();
    // The seeding call with a number.
    void randomize(double seed);
    // The next fraction in [0, 1).
    double next();

    std::uint32_t state() const { return x_; }

private:
    void advance();

    std::uint32_t x_ = 0;
};
