#include "package/EntryName.h"

#include "package/ListText.h"

#include <algorithm>
#include <cctype>
#include <sstream>

namespace stub {

namespace {

std::uint32_t ParseStamp(const std::string& text) {
    if (text.empty() || text.size() > 10 ||
        !std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); }))
        return 0;
    std::uint64_t value = std::stoull(text);
    return value > 0xFFFFFFFFu ? 0 : static_cast<std::uint32_t>(value);
}

} // namespace

EntryHeader ParseEntryHeader(const std::string& header) {
    EntryHeader entry{ListItem(header, 0), ParseStamp(ListItem(header, 1)), {}, false};
    auto mark = entry.name.find('*');
    entry.isEngine = mark != std::string::npos;
    entry.fileName = entry.name.substr(0, mark);
    return entry;
}

std::optional<std::string> SafeRelativePath(const std::string& fileName) {
    std::string path = fileName;
    std::replace(path.begin(), path.end(), '\\', '/');
    const bool driveLetter =
        path.size() >= 2 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':';
    if (path.empty() || path.front() == '/' || driveLetter || path.back() == '/')
        return std::nullopt;
    std::istringstream parts(path);
    std::string part;
    while (std::getline(parts, part, '/'))
        if (part == ".." || part == ".")
            return std::nullopt;
    return path;
}

bool IsBareFileName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of("/\\") == std::string::npos && name.find('\0') == std::string::npos;
}

} // namespace stub
