#pragma once

#include <string>

namespace stub {

// Whether the inform window's button may open an address taken from an update description: only
// an absolute http or https address with a host, free of spaces and control characters. Anything
// else (file:, javascript:, a relative or empty address) could run or reveal something locally.
bool IsOpenableAddress(const std::string& address);

} // namespace stub
