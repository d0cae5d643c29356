#pragma once

#include <optional>
#include <string>
#include <vector>

namespace stub {

// An INI file from outside: sections and keys without regard to case, the first match wins,
// values trimmed with one pair of surrounding quotes removed, no escapes.
class IniFile {
public:
    static constexpr std::size_t kMaxSize = 1024 * 1024;

    static IniFile Parse(const std::string& text);
    // nullopt with the reason when the file is missing, not a regular file or above kMaxSize.
    static std::optional<IniFile> Load(const std::string& path, std::string* error = nullptr);

    std::optional<std::string> Value(const std::string& section, const std::string& key) const;
    std::string Value(const std::string& section, const std::string& key,
                      const std::string& fallback) const;

private:
    struct Entry {
        std::string section;
        std::string key;
        std::string value;
    };
    std::vector<Entry> entries_;
};

// Sets one key: the file is read again, only that key changes (added when missing), and the
// file is replaced through a temporary file and a rename. Missing folders are made.
bool WriteIniValue(const std::string& path, const std::string& section, const std::string& key,
                   const std::string& value, std::string* error = nullptr);

// The stub's own settings: $XDG_CONFIG_HOME/Tesserin/Kelpset.conf, else under ~/.config.
std::string ConfigIniPath();

} // namespace stub
