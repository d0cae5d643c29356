#include "tools/LanguageIni.h"

#include "package/LanguageDefaults.h"
#include "package/ListText.h"

#include <fstream>
#include <stdexcept>
#include <vector>

namespace stub {

namespace {

constexpr char kLanguageSeparator = '\x02';
constexpr char kTextSeparator = '\x01';

std::string LanguageItem(const std::string& name,
                         const std::vector<std::pair<std::string, std::string>>& texts) {
    std::string item(1, kTextSeparator);
    item += name + kTextSeparator;
    for (const auto& [key, value] : texts)
        item += key + "=" + value + kTextSeparator;
    return item;
}

} // namespace

std::string BuiltInLanguageBlock() {
    std::string block(1, kLanguageSeparator);
    block += LanguageItem("English", DefaultLanguageTexts());
    block += kLanguageSeparator;
    return block;
}

std::string LanguageBlockFromIni(const std::string& path) {
    std::ifstream in(path);
    if (!in)
        throw std::runtime_error(path + ": cannot read the language file");
    std::string block(1, kLanguageSeparator);
    std::string name;
    std::vector<std::pair<std::string, std::string>> texts;
    auto flush = [&]() {
        if (!name.empty())
            block += LanguageItem(name, texts) + kLanguageSeparator;
        texts.clear();
    };
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (line.find_first_of(std::string{kLanguageSeparator, kTextSeparator, '\0'}) !=
            std::string::npos)
            throw std::runtime_error(path + ":" + std::to_string(number) +
                                     ": control characters are not allowed");
        line = Trim(line);
        if (line.empty() || line[0] == '#' || line[0] == ';')
            continue;
        if (line.front() == '[' && line.back() == ']') {
            flush();
            name = Trim(line.substr(1, line.size() - 2));
            continue;
        }
        auto equals = line.find('=');
        if (name.empty() || equals == std::string::npos)
            throw std::runtime_error(path + ":" + std::to_string(number) +
                                     ": expected [Language] or key=value");
        texts.emplace_back(Trim(line.substr(0, equals)), Trim(line.substr(equals + 1)));
    }
    flush();
    if (block.size() == 1)
        throw std::runtime_error(path + ": no [Language] section");
    return block;
}

} // namespace stub
