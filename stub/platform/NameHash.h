#pragma once

#include <string>

namespace stub {

// A hash of a name that every build computes alike (64-bit FNV-1a, 16 hex digits), so that a
// program built elsewhere finds the same atom or endpoint file.
std::string NameHash(const std::string& name);

} // namespace stub
