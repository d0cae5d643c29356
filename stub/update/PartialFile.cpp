#include "update/PartialFile.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace stub {

namespace fs = std::filesystem;

std::string PartialFileName(const std::string& destination, std::int64_t size,
                            std::uint32_t stamp) {
    return destination + "." + std::to_string(size + std::int64_t(stamp));
}

void DeleteStalePartialFiles(const std::string& destination) {
    fs::path dest(destination);
    fs::path folder = dest.has_parent_path() ? dest.parent_path() : fs::path(".");
    std::string prefix = dest.filename().string() + ".";
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::string name = it->path().filename().string();
        if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0)
            continue;
        bool digits = std::all_of(name.begin() + std::ptrdiff_t(prefix.size()), name.end(),
                                  [](unsigned char c) { return std::isdigit(c); });
        std::error_code ignored;
        if (digits && it->is_regular_file(ignored))
            fs::remove(it->path(), ignored);
    }
}

} // namespace stub
