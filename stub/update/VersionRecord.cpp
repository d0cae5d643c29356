#include "update/VersionRecord.h"

#include "update/UpdateTime.h"

#include <charconv>

namespace stub {

namespace {

constexpr const char* kSection = "OriginalSetup";

} // namespace

std::int64_t IniNumber(const std::optional<std::string>& text, std::int64_t fallback) {
    if (!text)
        return fallback;
    const std::string& t = *text;
    const auto first = t.find_first_not_of(" \t");
    const auto last = t.find_last_not_of(" \t");
    if (first == std::string::npos)
        return fallback;
    std::int64_t value = 0;
    const char* begin = t.data() + first;
    const char* end = t.data() + last + 1;
    auto [stop, error] = std::from_chars(begin, end, value);
    return error == std::errc() && stop == end ? value : fallback;
}

VersionRecord VersionRecord::FromIni(const IniFile& ini) {
    VersionRecord r;
    auto number = [&ini](const char* key) {
        return IniNumber(ini.Value(kSection, key));
    };
    r.probeSecondsInterval = number("ProbeSecondsInterval");
    r.probeSecondsLast = number("ProbeSecondsLast");
    r.reAskSecondsInterval = number("ReAskSecondsInterval");
    r.reAskSecondsLast = number("ReAskSecondsLast");
    r.versionOriginal = number("VersionOriginal");
    r.stamp = ini.Value(kSection, "Stamp", "");
    r.programName = ini.Value(kSection, "ProgramName", "");
    r.targetDir = ini.Value("Directories", "TargetDir", "");
    r.sharedDir = ini.Value("Directories", "SharedDir", "");
    r.auxiliaryDir = ini.Value("Directories", "AuxiliaryDir", "");
    r.startUpLink = ini.Value("UnInstall", "StartUpLink", "");
    r.checkForNewUpdateLink = ini.Value("UnInstall", "CheckforNewUpdateLink", "");
    return r;
}

std::optional<VersionRecord> VersionRecord::Load(const std::string& path, std::string* error) {
    auto ini = IniFile::Load(path, error);
    if (!ini)
        return std::nullopt;
    return FromIni(*ini);
}

bool WriteRecordValue(const std::string& path, const std::string& key, const std::string& value,
                      std::string* error) {
    return WriteIniValue(path, kSection, key, value, error);
}

bool WriteRecordTime(const std::string& path, const std::string& key, std::int64_t seconds,
                     std::string* error) {
    return WriteRecordValue(path, key, std::to_string(seconds), error) &&
           WriteRecordValue(path, "__" + key, ReadableUpdateTime(seconds), error);
}

} // namespace stub
