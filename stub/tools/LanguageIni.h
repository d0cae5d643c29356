#pragma once

#include <string>

namespace stub {

// The language block of the built-in English language.
std::string BuiltInLanguageBlock();

// A language block from an INI-style file: one [Name] section per language, key=value lines;
// "#" and ";" start comments. Raises std::runtime_error on a file that cannot be read or holds
// characters that the block uses as separators.
std::string LanguageBlockFromIni(const std::string& path);

} // namespace stub
