#include "app/LanguageFile.h"

#include "package/ListText.h"
#include "package/MessageBoxes.h"

namespace stub {

LanguageFile::LanguageFile(const std::string& stubFolder, const std::string& language)
    : file_(IniFile::Load(PathFor(stubFolder, language))) {}

std::string LanguageFile::PathFor(const std::string& stubFolder, const std::string& language) {
    return stubFolder + "/HELP/" + (language.empty() ? "English" : language) +
           "/Kelpset.language.ini";
}

std::string LanguageFile::Text(const std::string& key, const std::string& fallback) const {
    if (!file_)
        return fallback;
    const auto text = file_->Value("STRINGS", key);
    return text ? ReplaceAll(*text, "|", "<P>") : fallback;
}

std::string LanguageFile::TextWith(const std::string& key, const std::string& fallback,
                                   const std::string& value) const {
    return ReplaceAll(Text(key, fallback), "<?>", LiteralText(value));
}

std::string LanguageFile::RuntimeFolderRefused(const std::string& fault) const {
    return TextWith("RuntimeFolderRefused",
                    "<?><P><P>The stub's runtime folder cannot be trusted, so it cannot tell "
                    "whether it runs already or hand over to its installation engine.",
                    fault);
}

} // namespace stub
