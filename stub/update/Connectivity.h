#pragma once

#include <string>

namespace stub {

// Whether the address can be reached at all: a network interface other than loopback is up, or
// the address's host is this machine.
bool IsConnected(const std::string& url);

} // namespace stub
