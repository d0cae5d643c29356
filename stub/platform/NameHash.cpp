#include "platform/NameHash.h"

#include <cstdint>
#include <cstdio>

namespace stub {

std::string NameHash(const std::string& name) {
    std::uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : name) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

} // namespace stub
