#pragma once

#include "package/PackageTrailer.h"

#include <cstdint>
#include <string>
#include <vector>

namespace stub {

enum class Compression { Auto, Deflate, Store };

struct PackOptions {
    std::string stubPath;
    std::string output;              // the first volume
    std::vector<std::string> inputs; // files, or folders packed with their relative names
    std::string engine;              // "name" or "name*parameters"; empty: no engine entry
    std::string languageIni;         // empty: the built-in English texts
    std::string updateBaseUrl = "http://";
    std::string infoFileName = ".info";
    std::string agentFileName = ".exe";
    std::string secretToken;
    bool background = false;
    std::string updatePublicKey; // base64 line; empty: the settings item is left out
    bool requireHttps = false;   // the settings item RequireHttps; when false it is left out
    bool hasDownload = false;
    std::string downloadBaseUrl;
    std::string downloadFileName;
    bool alwaysDownload = false;
    std::string downloadToken;
    std::int64_t downloadSize = 0;
    std::uint8_t flags = 0; // AnnounceTempExtraction, SpanCd, ShowBusyBar, DebugLog
    bool webPackage = false;
    bool confirmDownload = false;
    bool makeAgent = false;
    bool isAgent = false;
    bool checksum = true;
    Compression compression = Compression::Auto;
    int level = 6;
    std::int64_t volumeSize = 0; // 0: one volume
};

struct PackResult {
    std::vector<std::string> volumes;
    int files = 0;
};

// Writes the package behind a copy of the stub. Raises std::runtime_error with a clear message;
// a failed run leaves no partial volume behind.
PackResult WritePackage(const PackOptions& options);

} // namespace stub
