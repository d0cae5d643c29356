#pragma once

#include <string>
#include <vector>

namespace stub {

constexpr const char* kUntrustedPrefix = "untrusted comment: ";
constexpr const char* kTrustedPrefix = "trusted comment: ";

// The lines of a key or signature file, without their line ends ("\n" or "\r\n").
std::vector<std::string> TextLines(const std::string& text);

} // namespace stub
