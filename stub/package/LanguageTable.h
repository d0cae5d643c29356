#pragma once

#include <string>

namespace stub {

// The table name for a primary language id ("CROATIAN" for 26); empty when none.
std::string LanguageName(int id);

// The primary language id of the user's locale (LC_ALL, LC_MESSAGES, LANG); 9 when none.
int UserLanguageId();

} // namespace stub
