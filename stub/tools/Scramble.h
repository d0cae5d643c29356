#pragma once

#include <string>

namespace stub {

// The stored form of a token: DescrambleToken(ScrambleToken(t)) == t. Made of lowercase letters.
std::string ScrambleToken(const std::string& token);

} // namespace stub
