#include "login/ScrambleRandom.h"

#include <bit>

namespace {

constexpr std::uint32_t kMask24 = 0xFFFFFF;

} // namespace

void ScrambleRandom::advance() {
    x_ = (x_ * 0x43FD43FDu + 0xC39EC3u) & kMask24;
}

void ScrambleRandom::resetToMinusOne() {
    const auto s = std::bit_cast<std::uint32_t>(-1.0f);
    x_ = (s + (s >> 24)) & kMask24;
    advance();
}

void ScrambleRandom::randomize(double seed) {
    const auto v = static_cast<std::int32_t>(std::bit_cast<std::uint64_t>(seed) >> 32);
    // Arithmetic shift of the signed upper half, then a 32-bit wrapping shift left.
    const auto mixed = static_cast<std::uint32_t>((v & 0xFFFF) ^ (v >> 16));
    const std::uint32_t w = mixed << 8;
    x_ = ((x_ & 0xFF0000FFu) | w) & kMask24;
}

double ScrambleRandom::next() {
    advance();
    return static_cast<double>(x_) / static_cast<double>(1u << 24);
}
