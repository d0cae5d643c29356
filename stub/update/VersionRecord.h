#pragma once

#include "platform/IniFile.h"

#include <cstdint>
#include <optional>
#include <string>

namespace stub {

// The local version record beside the agent: what is installed and when the cycle last acted.
// A number that is missing or not a number reads as 0.
struct VersionRecord {
    std::int64_t probeSecondsInterval = 0;
    std::int64_t probeSecondsLast = 0;
    std::int64_t reAskSecondsInterval = 0;
    std::int64_t reAskSecondsLast = 0;
    std::int64_t versionOriginal = 0;
    std::string stamp;
    std::string programName;
    std::string targetDir;
    std::string sharedDir;
    std::string auxiliaryDir;
    std::string startUpLink;
    std::string checkForNewUpdateLink;

    static VersionRecord FromIni(const IniFile& ini);
    // nullopt when the file cannot be read.
    static std::optional<VersionRecord> Load(const std::string& path, std::string* error = nullptr);
};

// A whole number, or fallback when text is not one (surrounding blanks allowed).
std::int64_t IniNumber(const std::optional<std::string>& text, std::int64_t fallback = 0);

// Writes one key of the record's [OriginalSetup] section; the rest of the file is kept.
bool WriteRecordValue(const std::string& path, const std::string& key, const std::string& value,
                      std::string* error = nullptr);
// Writes a time as its count and, under "__" + key, in readable form.
bool WriteRecordTime(const std::string& path, const std::string& key, std::int64_t seconds,
                     std::string* error = nullptr);

} // namespace stub
