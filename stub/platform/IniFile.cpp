#include "platform/IniFile.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace stub {

namespace {

std::string TrimText(const std::string& text) {
    const auto blank = [](unsigned char c) {
        return std::isspace(c) != 0;
    };
    auto first = std::find_if_not(text.begin(), text.end(), blank);
    auto last = std::find_if_not(text.rbegin(), text.rend(), blank).base();
    return first < last ? std::string(first, last) : std::string();
}

bool Same(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// "[name]" gives name.
std::optional<std::string> SectionName(const std::string& line) {
    const std::string text = TrimText(line);
    if (text.size() >= 2 && text.front() == '[' && text.back() == ']')
        return TrimText(text.substr(1, text.size() - 2));
    return std::nullopt;
}

bool IsComment(const std::string& text) {
    return text.empty() || text.front() == ';' || text.front() == '#';
}

std::optional<std::string> ReadCapped(const std::string& path, std::string* error) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    struct stat st {};
    std::string why;
    if (fd < 0)
        why = std::strerror(errno);
    else if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        why = "not a regular file";
    else if (static_cast<std::size_t>(st.st_size) > IniFile::kMaxSize)
        why = "larger than " + std::to_string(IniFile::kMaxSize) + " bytes";
    std::string text;
    if (why.empty()) {
        char buffer[65536];
        ssize_t got = 0;
        while ((got = read(fd, buffer, sizeof buffer)) > 0 && text.size() <= IniFile::kMaxSize)
            text.append(buffer, static_cast<std::size_t>(got));
        if (got < 0)
            why = std::strerror(errno);
        else if (text.size() > IniFile::kMaxSize)
            why = "larger than " + std::to_string(IniFile::kMaxSize) + " bytes";
    }
    if (fd >= 0)
        close(fd);
    if (!why.empty()) {
        if (error)
            *error = path + ": " + why;
        return std::nullopt;
    }
    return text;
}

} // namespace

IniFile IniFile::Parse(const std::string& text) {
    IniFile file;
    std::string section;
    for (const auto& line : Lines(text)) {
        if (auto name = SectionName(line)) {
            section = *name;
            continue;
        }
        const std::string trimmed = TrimText(line);
        const auto equals = trimmed.find('=');
        if (IsComment(trimmed) || equals == std::string::npos)
            continue;
        std::string value = TrimText(trimmed.substr(equals + 1));
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        file.entries_.push_back({section, TrimText(trimmed.substr(0, equals)), value});
    }
    return file;
}

std::optional<IniFile> IniFile::Load(const std::string& path, std::string* error) {
    auto text = ReadCapped(path, error);
    if (!text)
        return std::nullopt;
    return Parse(*text);
}

std::optional<std::string> IniFile::Value(const std::string& section,
                                          const std::string& key) const {
    for (const auto& entry : entries_)
        if (Same(entry.section, section) && Same(entry.key, key))
            return entry.value;
    return std::nullopt;
}

std::string IniFile::Value(const std::string& section, const std::string& key,
                           const std::string& fallback) const {
    return Value(section, key).value_or(fallback);
}

bool WriteIniValue(const std::string& path, const std::string& section, const std::string& key,
                   const std::string& value, std::string* error) {
    const auto fail = [error, &path](const std::string& why) {
        if (error)
            *error = path + ": " + why;
        return false;
    };
    std::vector<std::string> lines;
    struct stat st {};
    if (lstat(path.c_str(), &st) == 0) {
        auto text = ReadCapped(path, error);
        if (!text)
            return false;
        lines = Lines(*text);
    }
    const std::string pair = key + "=" + value;
    std::optional<std::size_t> sectionEnd;
    bool inSection = false;
    bool done = false;
    for (std::size_t i = 0; i < lines.size() && !done; ++i) {
        if (auto name = SectionName(lines[i])) {
            inSection = Same(*name, section);
            if (inSection)
                sectionEnd = i + 1;
            continue;
        }
        if (!inSection)
            continue;
        const std::string trimmed = TrimText(lines[i]);
        const auto equals = trimmed.find('=');
        if (!IsComment(trimmed) && equals != std::string::npos &&
            Same(TrimText(trimmed.substr(0, equals)), key)) {
            lines[i] = pair;
            done = true;
        } else if (!trimmed.empty()) {
            sectionEnd = i + 1;
        }
    }
    if (!done && sectionEnd)
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(*sectionEnd), pair);
    else if (!done) {
        lines.push_back("[" + section + "]");
        lines.push_back(pair);
    }
    std::error_code ec;
    const auto folder = std::filesystem::path(path).parent_path();
    if (!folder.empty())
        std::filesystem::create_directories(folder, ec);
    std::string temporary = path + ".XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0)
        return fail(std::strerror(errno));
    std::string text;
    for (const auto& line : lines)
        text += line + "\n";
    const bool written = write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    const bool closed = close(fd) == 0;
    if (!written || !closed || rename(temporary.c_str(), path.c_str()) != 0) {
        const std::string why = std::strerror(errno);
        unlink(temporary.c_str());
        return fail(why);
    }
    return true;
}

std::string ConfigIniPath() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config && *config == '/')
        return std::string(config) + "/Tesserin/Kelpset.conf";
    const char* home = std::getenv("HOME");
    return std::string(home ? home : "") + "/.config/Tesserin/Kelpset.conf";
}

} // namespace stub
