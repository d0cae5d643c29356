#pragma once

#include <string>
#include <utility>
#include <vector>

namespace stub {

// The texts used when the package's language block lacks a key, in the order the packaging tool
// writes them for its built-in English language.
const std::vector<std::pair<std::string, std::string>>& DefaultLanguageTexts();

// The default for one key; the key itself when there is none (captions such as "Error").
std::string DefaultLanguageText(const std::string& key);

constexpr const char* kDefaultButtons = "|&OK|&Cancel|&Yes|&No|&Abort|&Retry|&Ignore|";

} // namespace stub
