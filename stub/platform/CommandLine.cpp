#include "platform/CommandLine.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace stub {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool SameNoCase(const std::string& text, std::size_t at, const std::string& part) {
    if (text.size() - at < part.size())
        return false;
    for (std::size_t i = 0; i < part.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[at + i])) !=
            std::tolower(static_cast<unsigned char>(part[i])))
            return false;
    return true;
}

// Where the switch starts, outside quotes, from position from on.
std::size_t FindSwitch(const std::string& text, const std::string& name, std::size_t from) {
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '"') {
            quoted = !quoted;
            continue;
        }
        if (!quoted && i >= from && !name.empty() && SameNoCase(text, i, name))
            return i;
    }
    return std::string::npos;
}

// The value text after a switch and where it ends.
std::pair<std::string, std::size_t> ValueAt(const std::string& text, std::size_t start) {
    if (start < text.size() && text[start] == '"') {
        auto close = text.find('"', start + 1);
        if (close == std::string::npos)
            return {text.substr(start + 1), text.size()};
        return {text.substr(start + 1, close - start - 1), close + 1};
    }
    auto end = std::find_if(text.begin() + static_cast<std::ptrdiff_t>(start), text.end(), IsBlank);
    auto slash = std::find(text.begin() + static_cast<std::ptrdiff_t>(start), end, '/');
    return {std::string(text.begin() + static_cast<std::ptrdiff_t>(start), slash),
            static_cast<std::size_t>(slash - text.begin())};
}

std::string TrimBlanks(const std::string& text) {
    auto first = std::find_if_not(text.begin(), text.end(), IsBlank);
    auto last = std::find_if_not(text.rbegin(), text.rend(), IsBlank).base();
    return first < last ? std::string(first, last) : std::string();
}

bool NeedsQuotes(const std::string& text) {
    return text.empty() || text.find_first_of(" \t/") != std::string::npos;
}

} // namespace

std::optional<std::string> JoinArguments(const std::vector<std::string>& args) {
    std::string tail;
    for (const auto& arg : args) {
        if (arg.find('"') != std::string::npos)
            return std::nullopt;
        if (!tail.empty())
            tail += ' ';
        const auto equals = arg.find('=');
        const bool isSwitch = arg.size() > 1 && arg.front() == '/' && equals != std::string::npos &&
                              arg.find_first_of(" \t/", 1) > equals;
        if (isSwitch) {
            const std::string value = arg.substr(equals + 1);
            tail += arg.substr(0, equals + 1) +
                    (value.empty() || !NeedsQuotes(value) ? value : "\"" + value + "\"");
        } else if (arg.empty() ||
                   arg.find_first_of(" \t/", arg.front() == '/' ? 1 : 0) != std::string::npos) {
            tail += "\"" + arg + "\"";
        } else {
            tail += arg;
        }
    }
    return tail;
}

std::vector<std::string> SplitCommand(const std::string& text) {
    std::vector<std::string> args;
    std::string current;
    bool inArg = false;
    bool quoted = false;
    for (char c : text) {
        if (c == '"') {
            quoted = !quoted;
            inArg = true;
        } else if (!quoted && IsBlank(c)) {
            if (inArg)
                args.push_back(current);
            current.clear();
            inArg = false;
        } else {
            current += c;
            inArg = true;
        }
    }
    if (inArg)
        args.push_back(current);
    return args;
}

std::optional<std::string> SwitchValue(const std::string& text, const std::string& name) {
    const auto at = FindSwitch(text, name, 0);
    if (at == std::string::npos)
        return std::nullopt;
    std::string value = TrimBlanks(ValueAt(text, at + name.size()).first);
    return value.empty() ? "TRUE" : value;
}

long long SwitchNumber(const std::string& text, const std::string& name, long long fallback) {
    const auto value = SwitchValue(text, name);
    if (!value)
        return fallback;
    long long number = 0;
    const char* end = value->data() + value->size();
    auto [stop, error] = std::from_chars(value->data(), end, number);
    return error == std::errc() && stop == end ? number : fallback;
}

std::string RemoveSwitch(std::string text, const std::string& name) {
    for (auto at = FindSwitch(text, name, 0); at != std::string::npos;
         at = FindSwitch(text, name, at)) {
        // An unquoted value goes up to the next blank, so that no part of a path is left.
        const std::size_t start = at + name.size();
        std::size_t end = start < text.size() && text[start] == '"'
                              ? ValueAt(text, start).second
                              : static_cast<std::size_t>(
                                    std::find_if(text.begin() + static_cast<std::ptrdiff_t>(start),
                                                 text.end(), IsBlank) -
                                    text.begin());
        std::size_t begin = at;
        while (begin > 0 && IsBlank(text[begin - 1]))
            --begin;
        if (begin == 0)
            while (end < text.size() && IsBlank(text[end]))
                ++end;
        text.erase(begin, end - begin);
        at = begin;
    }
    return text;
}

} // namespace stub
