#include "package/ListText.h"

#include <algorithm>
#include <cctype>

namespace stub {

namespace {

char Lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

} // namespace

int ListCount(const std::string& list) {
    if (list.empty() || list.back() != list.front())
        return 0;
    return static_cast<int>(std::count(list.begin() + 1, list.end(), list.front()));
}

std::string ListItem(const std::string& list, int index, const std::string& fallback) {
    if (list.empty() || index < 0)
        return fallback;
    const char separator = list.front();
    std::string::size_type start = 0;
    for (int i = 0; i < index; ++i) {
        start = list.find(separator, start + 1);
        if (start == std::string::npos)
            return fallback;
    }
    auto end = list.find(separator, start + 1);
    if (end == std::string::npos)
        return fallback;
    return list.substr(start + 1, end - start - 1);
}

std::string ListValue(const std::string& list, const std::string& key,
                      const std::string& fallback) {
    if (list.empty())
        return fallback;
    const std::string separator(1, list.front());
    std::string tidy = ReplaceAll(ReplaceAll(list, separator + " ", separator), " =", "=");
    std::string wanted = separator + key;
    if (wanted.back() != '=')
        wanted += '=';
    auto at = FindNoCase(tidy, wanted);
    if (at == std::string::npos)
        return fallback;
    auto start = at + wanted.size();
    auto end = tidy.find(separator, start);
    return tidy.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

bool EqualsNoCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return Lower(x) == Lower(y); });
}

std::string::size_type FindNoCase(const std::string& text, const std::string& part,
                                  std::string::size_type from) {
    if (from > text.size())
        return std::string::npos;
    auto it =
        std::search(text.begin() + static_cast<std::ptrdiff_t>(from), text.end(), part.begin(),
                    part.end(), [](char x, char y) { return Lower(x) == Lower(y); });
    return it == text.end() && !part.empty()
               ? std::string::npos
               : static_cast<std::string::size_type>(it - text.begin());
}

std::string Trim(const std::string& text) {
    auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

} // namespace stub
