#pragma once

#include <string>

namespace stub {

// Recovers a token stored in scrambled form. A damaged or too short token gives a random
// decimal number below 99999, so it never matches a real token.
std::string DescrambleToken(const std::string& scrambled);

} // namespace stub
