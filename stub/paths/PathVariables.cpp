#include "paths/PathVariables.h"

#include "package/ListText.h"
#include "platform/IniFile.h"

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <pwd.h>
#include <unistd.h>
#include <vector>

namespace stub {

namespace {

// Replaces every occurrence of name without regard to case; true when one was found.
bool ReplaceVariable(std::string& text, const std::string& name, const std::string& value) {
    bool found = false;
    for (auto at = FindNoCase(text, name); at != std::string::npos;
         at = FindNoCase(text, name, at + value.size())) {
        text.replace(at, name.size(), value);
        found = true;
    }
    return found;
}

std::string Join(const std::string& folder, const std::string& name) {
    if (folder.empty() || folder.back() == '/')
        return folder + name;
    return folder + "/" + name;
}

std::string Parent(const std::string& folder) {
    return std::filesystem::path(folder).parent_path().string();
}

// Days from 1 January 1970 to a civil date.
long DaysFromCivil(long year, unsigned month, unsigned day) {
    year -= month <= 2;
    const long era = (year >= 0 ? year : year - 399) / 400;
    const unsigned yearOfEra = static_cast<unsigned>(year - era * 400);
    const unsigned dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + static_cast<long>(dayOfEra) - 719468;
}

std::optional<std::string> DateText(char code, std::time_t now) {
    static const std::array<const char*, 12> months = {
        "January", "February", "March",     "April",   "May",      "June",
        "July",    "August",   "September", "October", "November", "December"};
    std::tm local{};
    localtime_r(&now, &local);
    const int year = local.tm_year + 1900;
    const int month = local.tm_mon + 1;
    const int day = local.tm_mday;
    char text[64];
    switch (code) {
    case '#':
        std::snprintf(text, sizeof text, "%02d/%s/%04d", day, months[local.tm_mon], year);
        break;
    case '1':
        std::snprintf(text, sizeof text, "%02d-%02d-%02d", day, month, year % 100);
        break;
    case '2':
        std::snprintf(text, sizeof text, "%02d-%02d-%02d", month, day, year % 100);
        break;
    case '3':
        std::snprintf(text, sizeof text, "%02d-%02d-%02d", year % 100, month, day);
        break;
    case '4':
        std::snprintf(text, sizeof text, "%02d-%02d-%04d", day, month, year);
        break;
    case '5':
        std::snprintf(text, sizeof text, "%02d-%02d-%04d", month, day, year);
        break;
    case '6':
        std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
        break;
    case '7':
        std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", year, month, day,
                      local.tm_hour, local.tm_min, local.tm_sec);
        break;
    case '0':
        std::snprintf(
            text, sizeof text, "%ld",
            DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) -
                DaysFromCivil(2000, 1, 1));
        break;
    default:
        return std::nullopt;
    }
    return std::string(text);
}

void ExpandDate(std::string& text, const VariableSources& sources) {
    const auto at = FindNoCase(text, "<Date=");
    if (at == std::string::npos || text.size() < at + 8 || text[at + 7] != '>')
        return;
    if (auto date = DateText(text[at + 6], sources.now ? sources.now() : std::time(nullptr)))
        text.replace(at, 8, *date);
}

void PreExpand(std::string& text, const std::string& list) {
    for (int i = 0; i < ListCount(list); ++i) {
        const std::string item = ListItem(list, i);
        const auto equals = item.find('=');
        if (equals == std::string::npos)
            continue;
        std::string key = Trim(item.substr(0, equals));
        key = ReplaceAll(ReplaceAll(key, "<<", "<"), ">>", ">");
        if (key.size() > 2 && key.front() == '<' && key.back() == '>')
            ReplaceVariable(text, key, item.substr(equals + 1));
    }
}

// The first of the candidates whose folder exists; the last one when none does.
std::string FirstExisting(const VariableSources& sources, std::vector<std::string> candidates) {
    for (std::size_t i = 0; i + 1 < candidates.size(); ++i)
        if (!candidates[i].empty() && sources.folderExists && sources.folderExists(candidates[i]))
            return candidates[i];
    return candidates.back();
}

class FolderRows {
public:
    FolderRows(std::string& text, const std::string& suffix)
        : text_(text)
        , suffix_(suffix) {}

    void Put(std::initializer_list<const char*> names, const std::string& value) {
        for (const char* name : names)
            replaced_ |= ReplaceVariable(text_, name, value.empty() ? value : value + suffix_);
    }
    void Remove(const char* name) { ReplaceVariable(text_, name, ""); }
    bool Replaced() const { return replaced_; }

private:
    std::string& text_;
    const std::string& suffix_;
    bool replaced_ = false;
};

std::string ServiceFolder(const std::string& text, const VariableSources& sources) {
    for (int i = 0; i < ListCount(sources.servicePaths); ++i) {
        const std::string service = ListItem(sources.servicePaths, i);
        if (!service.empty() && FindNoCase(text, service) != std::string::npos)
            return Parent(service);
    }
    return sources.stubFolder;
}

void ExpandFolders(std::string& text, const std::string& suffix, const VariableSources& s) {
    const SystemFolders& f = s.folders;
    FolderRows rows(text, suffix);
    if (FindNoCase(text, "<RunTimeDir_") != std::string::npos) {
        // Run-time folders are not searched for on this platform.
        for (int n = 1; n <= 8; ++n)
            rows.Put({("<RunTimeDir_" + std::to_string(n) + ">").c_str()}, "");
        if (rows.Replaced()) {
            rows.Remove("<InstallDir>");
            rows.Remove("<Application Folder>");
        }
    }
    rows.Remove("<AbsoluteDir>");
    rows.Put({"<Application Folder>", "<InstallDir>"}, s.applicationFolder);
    rows.Put({"<Common Folder>", "<InstallCommonDir>"}, s.commonFolder);
    rows.Put({"<Auxiliary Folder>", "<InstallAuxDir>"}, s.auxiliaryFolder);
    rows.Remove("<AbsoluteDir>");
    rows.Put({"<Windows Directory>", "<WinDir>"}, f.windows);
    rows.Put({"<System Directory>", "<WinSysDir>", "<WinSys32Dir>"}, f.system);
    const std::string without32 = ReplaceAll(f.system, "32", "");
    rows.Put({"<System16 Directory>", "<WinSys16Dir>"},
             FirstExisting(s, {without32, Join(f.windows, "System"), f.system}));
    rows.Put({"<InstallDrive>", "<WinDrive>", "<WinSysDrive>", "<OriginDrive>"}, "/");
    rows.Put({"<InstallDisk>", "<WinDisk>", "<WinSysDisk>", "<OriginDisk>"}, "");
    rows.Put({"<ProgramFilesDir>"}, f.programFiles);
    rows.Put({"<CommonFilesDir>"}, f.commonFiles);
    rows.Put({"<StartMenuDir>"}, f.startMenu);
    rows.Put({"<FontDir>"}, FirstExisting(s, {f.fonts, Join(f.windows, "Fonts")}));
    rows.Put({"<SrcDir>"}, s.stubFolder);
    rows.Put({"<OriginDir>"}, s.originFolder);
    rows.Put({"<TempDir>"}, s.tempFolder);
    rows.Put({"<ServiceDir>"}, ServiceFolder(text, s));
    const std::string userDir = f.home;
    const std::string allUsers =
        FirstExisting(s, {f.commonAppData.empty() ? "" : Parent(f.commonAppData), f.windows});
    rows.Put({"<UserDir>"}, userDir);
    rows.Put({"<UserAppDataDir>"},
             FirstExisting(s, {f.appData, Join(userDir, "Application Data")}));
    rows.Put({"<UserLocalAppDataDir>"},
             FirstExisting(s, {f.localAppData, Join(userDir, "Application Data")}));
    rows.Put({"<MyDocumentsDir>"}, FirstExisting(s, {f.documents, Join(userDir, "My Documents")}));
    rows.Put({"<UserStartMenuDir>"}, FirstExisting(s, {f.startMenu, Join(userDir, "Start Menu"),
                                                       Join(allUsers, "Start Menu")}));
    rows.Put({"<UserDesktopDir>"},
             FirstExisting(s, {f.desktop, Join(userDir, "Desktop"), Join(allUsers, "Desktop")}));
    const bool documents = !f.documents.empty() && s.folderExists && s.folderExists(f.documents);
    rows.Put({"<DocumentsAndSettingsDir>"},
             documents ? Parent(Parent(f.documents)) : Parent(userDir));
    rows.Put({"<AllUsersDir>"}, allUsers);
    rows.Put({"<AllUsersAppDataDir>"},
             FirstExisting(s, {f.commonAppData, Join(f.windows, "Application Data")}));
    rows.Put({"<AllUsersDocumentsDir>"},
             FirstExisting(s, {f.commonDocuments, Join(f.windows, "Documents")}));
    rows.Put({"<AllUsersStartMenuDir>"},
             FirstExisting(s, {f.commonStartMenu, Join(allUsers, "Start Menu")}));
    rows.Put({"<AllUsersDesktopDir>"},
             FirstExisting(s, {f.commonDesktop, Join(allUsers, "Desktop")}));
    // Doubled separators collapse, but not the leading one of a network path or an address's
    // "://".
    if (rows.Replaced())
        for (auto at = text.find("//", 1); at != std::string::npos; at = text.find("//", at)) {
            if (text[at - 1] == ':')
                at += 2;
            else
                text.erase(at, 1);
        }
}

std::string Normalise(const std::string& text) {
    const auto one = [](const std::string& item) {
        return item.find("..") == std::string::npos
                   ? item
                   : std::filesystem::path(item).lexically_normal().string();
    };
    if (text.empty() || (text.front() != ',' && text.front() != '|'))
        return one(text);
    const char separator = text.front();
    std::string result(1, separator);
    std::string::size_type start = 1;
    for (auto next = text.find(separator, start); start <= text.size();
         next = text.find(separator, start)) {
        const std::string item =
            text.substr(start, next == std::string::npos ? std::string::npos : next - start);
        result += one(item);
        if (next == std::string::npos)
            break;
        result += separator;
        start = next + 1;
    }
    return result;
}

} // namespace

std::string ExpandVariables(const std::string& text, const ExpandOptions& options,
                            const VariableSources& sources) {
    if (text.find('<') == std::string::npos)
        return text;
    std::string result = text;
    if (!options.preExpand.empty())
        PreExpand(result, options.preExpand);
    ExpandDate(result, sources);
    const auto entry = [&sources](const char* name) {
        return sources.valueProvider ? sources.valueProvider(name) : std::string();
    };
    const std::string logged = Trim(sources.loggedUserName);
    ReplaceVariable(result, "<LoggedUserName>", logged);
    ReplaceVariable(result, "<UserName>",
                    sources.userFullName.empty() ? logged : sources.userFullName);
    ReplaceVariable(result, "<CompanyName>", sources.companyName);
    ReplaceVariable(result, "<ComputerName>", Trim(sources.computerName));
    ReplaceVariable(result, "<CurrentDomainName>", sources.domainName);
    ReplaceVariable(result, "<LastExecutableExitCode>", std::to_string(sources.lastExitCode));
    ReplaceVariable(result, "<EnteredUserName>", entry("UserName"));
    ReplaceVariable(result, "<EnteredCompanyName>", entry("CompanyName"));
    ReplaceVariable(result, "<EnteredStartProgramMenu>", entry("EnteredStartProgramMenu"));
    ReplaceVariable(result, "<VendorCompanyName>", entry("VendorCompanyName"));
    ReplaceVariable(result, "<ProjectName>", entry("ProjectName"));
    ReplaceVariable(result, "<ProgramDescriptiveName>", entry("ProgramDescriptiveName"));
    ReplaceVariable(result, "<ProgramVersion>", entry("ProgramVersion"));
    if (options.pathMode) {
        ReplaceVariable(result, "<UnInstallExePath>", entry("UnInstallExePath"));
        ExpandFolders(result, options.suffix, sources);
    }
    return options.normalise ? Normalise(result) : result;
}

VariableSources SystemVariableSources(const std::string& stubFolder, const std::string& origin,
                                      const std::string& tempFolder) {
    VariableSources sources;
    sources.now = [] {
        return std::time(nullptr);
    };
    sources.folderExists = [](const std::string& folder) {
        std::error_code ec;
        return std::filesystem::is_directory(folder, ec);
    };
    const char* homeEnv = std::getenv("HOME");
    std::string home = homeEnv ? homeEnv : "";
    if (const passwd* user = getpwuid(getuid())) {
        sources.loggedUserName = user->pw_name;
        const std::string gecos = user->pw_gecos ? user->pw_gecos : "";
        sources.userFullName = gecos.substr(0, gecos.find(','));
        if (home.empty() && user->pw_dir)
            home = user->pw_dir;
    }
    char host[256] = {};
    if (gethostname(host, sizeof host - 1) == 0)
        sources.computerName = host;
    SystemFolders& f = sources.folders;
    f.home = home;
    const char* configEnv = std::getenv("XDG_CONFIG_HOME");
    const std::string config = configEnv && *configEnv ? configEnv : Join(home, ".config");
    const auto dirs = IniFile::Load(Join(config, "user-dirs.dirs")).value_or(IniFile());
    const auto userDir = [&](const char* key, const char* fallback) {
        return ReplaceAll(dirs.Value("", key, "$HOME/" + std::string(fallback)), "$HOME", home);
    };
    f.documents = userDir("XDG_DOCUMENTS_DIR", "Documents");
    f.desktop = userDir("XDG_DESKTOP_DIR", "Desktop");
    f.appData = Join(home, ".local/share");
    f.localAppData = Join(home, ".cache");
    f.startMenu = Join(home, ".local/share/applications");
    f.fonts = Join(home, ".local/share/fonts");
    f.commonAppData = "/usr/share";
    f.commonStartMenu = "/usr/share/applications";
    sources.stubFolder = stubFolder;
    sources.originFolder = std::filesystem::path(origin).parent_path().string();
    sources.tempFolder = tempFolder;
    return sources;
}

} // namespace stub
