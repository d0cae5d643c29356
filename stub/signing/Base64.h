#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace stub {

std::string ToBase64(const std::uint8_t* data, std::size_t size);
// Exactly `size` bytes from padded standard base64; SigningError naming `what` otherwise.
std::vector<std::uint8_t> FromBase64(const std::string& text, std::size_t size,
                                     const std::string& what);

} // namespace stub
