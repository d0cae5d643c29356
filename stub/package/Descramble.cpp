#include "package/Descramble.h"

#include <optional>
#include <random>

namespace stub {

namespace {

int HexDigit(int c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::optional<std::string> Unhex(const std::string& scrambled) {
    std::string hex;
    for (unsigned char c : scrambled)
        hex += static_cast<char>(c - 50);
    if (hex.size() >= 2 && hex[0] == '0' && (hex[1] == 'x' || hex[1] == 'X'))
        hex.erase(0, 2);
    if (hex.size() % 2 != 0)
        return std::nullopt;
    std::string bytes;
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        int high = HexDigit(static_cast<unsigned char>(hex[i]));
        int low = HexDigit(static_cast<unsigned char>(hex[i + 1]));
        if (high < 0 || low < 0)
            return std::nullopt;
        bytes += static_cast<char>(high * 16 + low);
    }
    return bytes;
}

std::optional<std::string> Unwrap(std::string d) {
    const std::size_t n = d.size();
    if (n <= 4)
        return std::nullopt;
    auto at = [&d](std::size_t position) -> unsigned char& {
        return reinterpret_cast<unsigned char&>(d[position - 1]);
    };
    unsigned sum = 0;
    for (std::size_t i = 1; i <= n; ++i)
        if (i != n - 1)
            sum += at(i);
    if ((sum & 0xFF) != at(n - 1))
        return std::nullopt;
    const unsigned char k = at(1) ^ at(n);
    for (std::size_t i = 2; i <= n - 1; ++i)
        at(i) ^= k;
    const std::size_t lead = at(2);
    const std::size_t trail = at(3);
    if (lead + trail + 4 > n)
        return std::nullopt;
    return d.substr(lead + 3, n - lead - trail - 4);
}

std::string RandomNumber() {
    std::random_device device;
    return std::to_string(std::uniform_int_distribution<int>(0, 99998)(device));
}

} // namespace

std::optional<std::string> TryDescrambleToken(const std::string& scrambled) {
    auto bytes = Unhex(scrambled);
    return bytes ? Unwrap(*bytes) : std::nullopt;
}

std::string DescrambleToken(const std::string& scrambled) {
    auto token = TryDescrambleToken(scrambled);
    return token ? *token : RandomNumber();
}

bool TokensMatch(const std::string& scrambledA, const std::string& scrambledB) {
    auto a = TryDescrambleToken(scrambledA);
    auto b = TryDescrambleToken(scrambledB);
    return a && b && *a == *b;
}

} // namespace stub
