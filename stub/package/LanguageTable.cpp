#include "package/LanguageTable.h"

#include "package/ListText.h"

#include <cstdio>
#include <cstdlib>
#include <map>

namespace stub {

namespace {

const char* const kLanguageTable =
    "|AFRIKAANS    = 54|ALBANIAN     = 28|ARABIC       = 01|BASQUE       = 45"
    "|BELARUSIAN   = 35|BULGARIAN    = 02|CATALAN      = 03|CHINESE      = 04"
    "|CROATIAN     = 26|CZECH        = 05|DANISH       = 06|DUTCH        = 19"
    "|ENGLISH      = 09|ESTONIAN     = 37|FAEROESE     = 56|FARSI        = 41"
    "|FINNISH      = 11|FRENCH       = 12|GERMAN       = 07|GREEK        = 08"
    "|HEBREW       = 13|HUNGARIAN    = 14|ICELANDIC    = 15|INDONESIAN   = 33"
    "|ITALIAN      = 16|JAPANESE     = 17|KOREAN       = 18|LATVIAN      = 38"
    "|LITHUANIAN   = 39|NORWEGIAN    = 20|POLISH       = 21|PORTUGUESE   = 22"
    "|ROMANIAN     = 24|RUSSIAN      = 25|SERBIAN      = 26|SLOVAK       = 27"
    "|SLOVENIAN    = 36|SPANISH      = 10|SWEDISH      = 29|THAI         = 30"
    "|TURKISH      = 31|UKRAINIAN    = 34|VIETNAMESE   = 42|";

// ISO 639-1 codes of the locale mapped to the table's ids.
const std::map<std::string, int>& LocaleCodes() {
    static const std::map<std::string, int> codes = {
        {"af", 54}, {"sq", 28}, {"ar", 1},  {"eu", 45}, {"be", 35}, {"bg", 2},  {"ca", 3},
        {"zh", 4},  {"hr", 26}, {"cs", 5},  {"da", 6},  {"nl", 19}, {"en", 9},  {"et", 37},
        {"fo", 56}, {"fa", 41}, {"fi", 11}, {"fr", 12}, {"de", 7},  {"el", 8},  {"he", 13},
        {"hu", 14}, {"is", 15}, {"id", 33}, {"it", 16}, {"ja", 17}, {"ko", 18}, {"lv", 38},
        {"lt", 39}, {"no", 20}, {"nb", 20}, {"nn", 20}, {"pl", 21}, {"pt", 22}, {"ro", 24},
        {"ru", 25}, {"sr", 26}, {"sk", 27}, {"sl", 36}, {"es", 10}, {"sv", 29}, {"th", 30},
        {"tr", 31}, {"uk", 34}, {"vi", 42}};
    return codes;
}

} // namespace

std::string LanguageName(int id) {
    if (id < 0 || id > 99)
        return {};
    char code[3];
    std::snprintf(code, sizeof code, "%02d", id);
    const std::string table = kLanguageTable;
    for (int i = 0; i < ListCount(table); ++i) {
        std::string item = ListItem(table, i);
        auto equals = item.find('=');
        if (equals != std::string::npos && item.find(code, equals) != std::string::npos)
            return Trim(item.substr(0, equals));
    }
    return {};
}

int UserLanguageId() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (!value || !*value)
            continue;
        std::string locale = value;
        auto it = LocaleCodes().find(locale.substr(0, locale.find_first_of("_.@")));
        return it == LocaleCodes().end() ? 9 : it->second;
    }
    return 9;
}

} // namespace stub
