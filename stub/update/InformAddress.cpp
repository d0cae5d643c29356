#include "update/InformAddress.h"

#include <algorithm>
#include <cctype>

namespace stub {

namespace {

bool StartsWithNoCase(const std::string& text, const std::string& prefix) {
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(), [](char lower, char c) {
               return std::tolower(static_cast<unsigned char>(c)) == lower;
           });
}

} // namespace

bool IsOpenableAddress(const std::string& address) {
    if (std::any_of(address.begin(), address.end(), [](char c) {
            const auto byte = static_cast<unsigned char>(c);
            return byte <= ' ' || byte == 0x7f;
        }))
        return false;
    std::size_t hostStart = 0;
    if (StartsWithNoCase(address, "http://"))
        hostStart = 7;
    else if (StartsWithNoCase(address, "https://"))
        hostStart = 8;
    else
        return false;
    const std::size_t hostEnd = address.find_first_of("/?#", hostStart);
    const std::string host = address.substr(hostStart, hostEnd - hostStart);
    return !host.empty() && host.find('@') == std::string::npos && host[0] != ':';
}

} // namespace stub
