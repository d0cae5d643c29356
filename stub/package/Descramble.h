#pragma once

#include <optional>
#include <string>

namespace stub {

// Recovers a token stored in scrambled form. A damaged or too short token gives a random
// decimal number below 99999, so it never matches a real token.
std::string DescrambleToken(const std::string& scrambled);
// The token, or nullopt when it is damaged or too short.
std::optional<std::string> TryDescrambleToken(const std::string& scrambled);
// Two scrambled tokens hold the same token; false when either is damaged, so that two damaged
// tokens never match by chance.
bool TokensMatch(const std::string& scrambledA, const std::string& scrambledB);

} // namespace stub
