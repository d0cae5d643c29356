#pragma once

#include "platform/IniFile.h"

#include <optional>
#include <string>

namespace stub {

// The language file beside the stub, <stub folder>/HELP/<language>/Kelpset.language.ini: its
// [STRINGS] section overrides the stub's own texts. A "|" in a value is a line break.
class LanguageFile {
public:
    LanguageFile(const std::string& stubFolder, const std::string& language);
    static std::string PathFor(const std::string& stubFolder, const std::string& language);

    std::string Text(const std::string& key, const std::string& fallback) const;
    // The text with "<?>" replaced by value, which is shown as it stands.
    std::string TextWith(const std::string& key, const std::string& fallback,
                         const std::string& value) const;
    // Why the runtime folder is refused, with the fault found in it.
    std::string RuntimeFolderRefused(const std::string& fault) const;

private:
    std::optional<IniFile> file_;
};

} // namespace stub
