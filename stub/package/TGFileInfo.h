#pragma once

#include "package/PackageTrailer.h"

#include <cstdint>
#include <optional>
#include <string>

namespace stub {

// The settings block items, by index.
// UpdatePublicKey and RequireHttps come last, so that readers which know only the items before
// them ignore them.
enum class SettingsItem {
    UpdateBaseUrl = 0,
    InfoFileName,
    AgentFileName,
    SecretToken,
    Background,
    UpdatePublicKey,
    RequireHttps
};
// The download block items, by index.
enum class DownloadItem {
    DownloadBaseUrl = 0,
    DownloadFileName,
    AlwaysDownload,
    DownloadToken,
    DownloadSize
};

// A package file: its trailer and its three information blocks.
class TGFileInfo {
public:
    // A missing file gives empty texts and a zeroed trailer; a damaged one empty texts, with
    // Error() saying why.
    explicit TGFileInfo(const std::string& path);

    const std::string& Path() const { return path_; }
    const PackageTrailer& Trailer() const { return trailer_; }
    bool HasPackage() const { return trailer_.Magic == kPackageMagic && error_.empty(); }
    const std::string& Error() const { return error_; }

    const std::string& LanguageBlock() const { return language_; }
    const std::string& SettingsBlock() const { return settings_; }
    const std::string& DownloadBlock() const { return download_; }

    bool AnnounceTempExtraction() const { return trailer_.Has(stub::AnnounceTempExtraction); }
    bool SpanDisks() const { return trailer_.Has(stub::SpanDisks); }
    bool SpanCd() const { return trailer_.Has(stub::SpanCd); }
    bool ShowBusyBar() const { return trailer_.Has(stub::ShowBusyBar); }
    bool DebugLog() const { return trailer_.Has(stub::DebugLog); }
    bool WebPackage() const { return trailer_.WebPackage != 0; }
    bool ConfirmDownload() const { return trailer_.ConfirmDownload != 0; }
    bool MakeAgent() const { return trailer_.MakeAgent != 0; }
    bool IsAgent() const { return trailer_.IsAgent != 0; }

    // The two token items are descrambled on request.
    std::string Setting(SettingsItem item, bool descramble = false) const;
    std::string Download(DownloadItem item, bool descramble = false) const;
    // Settings item 1 without its extensions, plus ".original".
    std::string VersionRecordName() const;
    bool Background() const { return Setting(SettingsItem::Background) == "1"; }
    // The base64 line of the publisher's minisign public key; empty when the package has none.
    std::string UpdatePublicKey() const { return Setting(SettingsItem::UpdatePublicKey); }
    // Plain http is refused for the update description and every download.
    bool RequireHttps() const { return Setting(SettingsItem::RequireHttps) == "1"; }
    bool AlwaysDownload() const { return Download(DownloadItem::AlwaysDownload) == "1"; }

    std::uint32_t SpaceRequiredFor(const std::string& path) const;

    // Text of key in the current language; fallback when missing or there is no language.
    std::string LanguageText(const std::string& key, const std::string& fallback) const;
    // The text of key, or its built-in default.
    std::string LanguageText(const std::string& key) const;
    // The name of the chosen language ("English"); empty when the package has none.
    std::string CurrentLanguageName() const;
    int Charset() const;
    int FontSize() const;
    std::string FontName() const;

private:
    void Read();
    const std::string& CurrentLanguage() const;

    std::string path_;
    PackageTrailer trailer_;
    std::string language_;
    std::string settings_;
    std::string download_;
    std::string error_;
    mutable std::optional<std::string> currentLanguage_;
};

// Index of SpaceRequired that fits a cluster size.
int SpaceIndexForCluster(std::uint32_t clusterSize);

} // namespace stub
