#include "tools/Scramble.h"

#include <random>

namespace stub {

std::string ScrambleToken(const std::string& token) {
    std::random_device device;
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> lead(0, 3);
    std::uniform_int_distribution<int> trail(1, 4);
    // Plain layout, 1-based: a, lead, trail, lead padding bytes, token, trail - 1 padding bytes,
    // check byte, b. Positions 2 .. n-1 are stored XORed with a ^ b.
    const int leadCount = lead(device);
    const int trailCount = trail(device);
    std::string d;
    d += static_cast<char>(byte(device));
    d += static_cast<char>(leadCount);
    d += static_cast<char>(trailCount);
    for (int i = 0; i < leadCount; ++i)
        d += static_cast<char>(byte(device));
    d += token;
    for (int i = 0; i < trailCount - 1; ++i)
        d += static_cast<char>(byte(device));
    d += '\0';
    d += static_cast<char>(byte(device));
    const std::size_t n = d.size();
    const auto k = static_cast<unsigned char>(d[0] ^ d[n - 1]);
    for (std::size_t i = 1; i + 1 < n; ++i)
        d[i] = static_cast<char>(static_cast<unsigned char>(d[i]) ^ k);
    unsigned sum = 0;
    for (std::size_t i = 0; i < n; ++i)
        if (i != n - 2)
            sum += static_cast<unsigned char>(d[i]);
    d[n - 2] = static_cast<char>(sum & 0xFF);
    static const char digits[] = "0123456789ABCDEF";
    std::string stored;
    for (unsigned char c : d) {
        stored += static_cast<char>(digits[c >> 4] + 50);
        stored += static_cast<char>(digits[c & 0xF] + 50);
    }
    return stored;
}

} // namespace stub
