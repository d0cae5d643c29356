#include "update/UpdateNames.h"

#include <algorithm>
#include <cctype>

namespace stub {

namespace {

bool SameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

} // namespace

std::string RefusedUpdateFileName(const std::string& name,
                                  const std::vector<std::string>& ownFiles) {
    if (name.empty() || name == "." || name == "..")
        return "no file name";
    for (unsigned char c : name)
        if (c == '/' || c == '\\' || c < 0x20 || c == ':')
            return "not a bare file name: " + name;
    for (const auto& own : ownFiles)
        if (SameName(name, own))
            return "the agent's own file: " + name;
    return {};
}

bool IsLocalBase(const std::string& base, bool descriptionWasLocal) {
    return descriptionWasLocal && !base.empty() && base.find("://") == std::string::npos;
}

std::string LocalSource(const std::string& base, const std::string& name) {
    if (!base.empty() && (base.back() == '/' || base.back() == '\\'))
        return base + name;
    return base + "/" + name;
}

} // namespace stub
