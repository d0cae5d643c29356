#include "package/TGFileInfo.h"

#include "package/Descramble.h"
#include "package/InputFile.h"
#include "package/LanguageDefaults.h"
#include "package/LanguageTable.h"
#include "package/ListText.h"
#include "package/PackageError.h"
#include "package/PackageFile.h"
#include "platform/FileSystem.h"

#include <filesystem>

namespace stub {

namespace {

constexpr std::int32_t kMaxInfoBlock = 16 * 1024 * 1024;

int ToInt(const std::string& text, int fallback) {
    try {
        return std::stoi(text);
    } catch (const std::exception&) {
        return fallback;
    }
}

} // namespace

TGFileInfo::TGFileInfo(const std::string& path)
    : path_(path) {
    if (!PathExists(path))
        return;
    try {
        Read();
    } catch (const PackageError& e) {
        language_.clear();
        settings_.clear();
        download_.clear();
        error_ = e.what();
    }
}

void TGFileInfo::Read() {
    InputFile file(path_);
    trailer_ = ReadTrailer(file);
    if (trailer_.Magic != kPackageMagic)
        return;
    const std::int64_t end = PackageEnd(file);
    std::int64_t position = trailer_.DataOffset;
    auto readBlock = [&]() {
        const auto length = static_cast<std::int32_t>(file.ReadLe32At(position));
        if (length < 0 || length > kMaxInfoBlock || position + 4 + length > end)
            throw PackageError(path_ + ": an information block length is out of range");
        std::string body(static_cast<std::size_t>(length), '\0');
        file.ReadExactly(position + 4, body.data(), body.size());
        position += 4 + length;
        return body;
    };
    language_ = readBlock();
    settings_ = readBlock();
    if (trailer_.InfoBlockCount > 2)
        download_ = readBlock();
}

std::string TGFileInfo::Setting(SettingsItem item, bool descramble) const {
    std::string value = ListItem(settings_, static_cast<int>(item));
    return descramble && item == SettingsItem::SecretToken ? DescrambleToken(value) : value;
}

std::string TGFileInfo::Download(DownloadItem item, bool descramble) const {
    std::string value = ListItem(download_, static_cast<int>(item));
    return descramble && item == DownloadItem::DownloadToken ? DescrambleToken(value) : value;
}

std::string TGFileInfo::VersionRecordName() const {
    std::string name =
        std::filesystem::path(Setting(SettingsItem::InfoFileName)).filename().string();
    return name.substr(0, name.find('.')) + ".original";
}

int SpaceIndexForCluster(std::uint32_t clusterSize) {
    int index = 0;
    for (int i = 1; i <= 8; ++i)
        if (clusterSize >= (256u << i))
            index = i;
    return index;
}

std::uint32_t TGFileInfo::SpaceRequiredFor(const std::string& path) const {
    return trailer_
        .SpaceRequired[static_cast<std::size_t>(SpaceIndexForCluster(ClusterSize(path)))];
}

std::string TGFileInfo::CurrentLanguageName() const {
    return ListItem(CurrentLanguage(), 0);
}

const std::string& TGFileInfo::CurrentLanguage() const {
    if (currentLanguage_)
        return *currentLanguage_;
    const std::string wanted = LanguageName(UserLanguageId());
    const int count = ListCount(language_);
    std::string chosen;
    for (int i = 0; i < count && chosen.empty(); ++i) {
        std::string language = ListItem(language_, i);
        if (EqualsNoCase(ListItem(language, 0), wanted))
            chosen = language;
    }
    if (chosen.empty() && count == 1)
        chosen = ListItem(language_, 0);
    for (int i = 0; i < count && chosen.empty(); ++i) {
        std::string language = ListItem(language_, i);
        if (EqualsNoCase(ListItem(language, 0), "English"))
            chosen = language;
    }
    currentLanguage_ = chosen;
    return *currentLanguage_;
}

std::string TGFileInfo::LanguageText(const std::string& key, const std::string& fallback) const {
    const std::string& language = CurrentLanguage();
    if (language.size() < 2)
        return fallback;
    return ListValue(language, key, fallback);
}

std::string TGFileInfo::LanguageText(const std::string& key) const {
    return LanguageText(key, DefaultLanguageText(key));
}

int TGFileInfo::Charset() const {
    return ToInt(LanguageText("Charset", "0"), 0);
}
int TGFileInfo::FontSize() const {
    return ToInt(LanguageText("FontSize", "8"), 8);
}
std::string TGFileInfo::FontName() const {
    return LanguageText("FontName", "Tahoma");
}

} // namespace stub
