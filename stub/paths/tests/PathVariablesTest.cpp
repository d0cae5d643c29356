#include "paths/PathVariables.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <set>

using namespace stub;

namespace {

// 27 June 2008 22:18:24 UTC.
constexpr std::time_t kMoment = 1214605104;

class PathVariablesTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("TZ", "UTC", 1);
        tzset();
        sources.now = [this] {
            return now;
        };
        sources.folderExists = [this](const std::string& f) {
            return existing.count(f) > 0;
        };
        sources.loggedUserName = " clerk ";
        sources.computerName = "desk-7";
        sources.stubFolder = "/media/cd";
        sources.originFolder = "/media/cd";
        sources.tempFolder = "/tmp/kelpset-x/";
        sources.applicationFolder = "/opt/product";
        sources.lastExitCode = 7;
        SystemFolders& f = sources.folders;
        f.home = "/home/clerk";
        f.documents = "/home/clerk/Documents";
        f.desktop = "/home/clerk/Desktop";
        f.appData = "/home/clerk/.local/share";
        f.localAppData = "/home/clerk/.cache";
        f.startMenu = "/home/clerk/.local/share/applications";
        f.fonts = "/home/clerk/.local/share/fonts";
        f.commonAppData = "/usr/share";
        f.commonStartMenu = "/usr/share/applications";
    }

    std::string Path(const std::string& text, ExpandOptions options = {}) {
        options.pathMode = true;
        return ExpandVariables(text, options, sources);
    }

    std::time_t now = kMoment;
    std::set<std::string> existing;
    VariableSources sources;
};

} // namespace

TEST_F(PathVariablesTest, DateCodesWithTheGivenClock) {
    struct Case {
        std::string text;
        std::string expanded;
    };
    const std::vector<Case> cases = {
        {"<Date=#>", "27/June/2008"},
        {"<Date=1>", "27-06-08"},
        {"<Date=2>", "06-27-08"},
        {"<Date=3>", "08-06-27"},
        {"<Date=4>", "27-06-2008"},
        {"<Date=5>", "06-27-2008"},
        {"log-<date=6>.txt", "log-2008-06-27.txt"},
        {"<Date=7>", "2008-06-27 22:18:24"},
        {"<Date=9>", "<Date=9>"},
        {"<Date=6> <Date=6>", "2008-06-27 <Date=6>"},
        {"<Date=6", "<Date=6"},
        {"no variables", "no variables"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ExpandVariables(c.text, {}, sources), c.expanded) << c.text;
    now = 946771200; // 2 January 2000
    EXPECT_EQ(ExpandVariables("<Date=0>", {}, sources), "1");
    now = kMoment;
    EXPECT_EQ(ExpandVariables("<Date=0>", {}, sources), "3100");
}

TEST_F(PathVariablesTest, NamesEveryOccurrenceWithoutRegardToCase) {
    std::map<std::string, std::string> entries = {{"ProjectName", "Payroll"},
                                                  {"UnInstallExePath", "/opt/product/uninstall"}};
    sources.valueProvider = [&](const std::string& name) {
        return entries[name];
    };
    EXPECT_EQ(ExpandVariables("<LoggedUserName>@<COMPUTERNAME> <loggedusername>", {}, sources),
              "clerk@desk-7 clerk");
    EXPECT_EQ(ExpandVariables("<UserName> <LastExecutableExitCode>", {}, sources), "clerk 7");
    sources.userFullName = "Li Wei";
    EXPECT_EQ(ExpandVariables("<UserName>", {}, sources), "Li Wei");
    EXPECT_EQ(ExpandVariables("<ProjectName> <ProgramVersion>|", {}, sources), "Payroll |");
    // Only in path mode.
    EXPECT_EQ(ExpandVariables("<UnInstallExePath>", {}, sources), "<UnInstallExePath>");
    EXPECT_EQ(Path("<UnInstallExePath>"), "/opt/product/uninstall");
    EXPECT_EQ(ExpandVariables("<InstallDir>", {}, sources), "<InstallDir>");
}

TEST_F(PathVariablesTest, FolderValuesCountOnlyWhenTheFolderExists) {
    struct Case {
        std::string variable;
        std::string whenMissing;
        std::string whenPresent;
        std::string present; // the folder that makes the difference
    };
    const std::vector<Case> cases = {
        {"<UserAppDataDir>", "/home/clerk/Application Data", "/home/clerk/.local/share",
         "/home/clerk/.local/share"},
        {"<UserLocalAppDataDir>", "/home/clerk/Application Data", "/home/clerk/.cache",
         "/home/clerk/.cache"},
        {"<MyDocumentsDir>", "/home/clerk/My Documents", "/home/clerk/Documents",
         "/home/clerk/Documents"},
        {"<DocumentsAndSettingsDir>", "/home", "/home", "/home/clerk/Documents"},
        {"<FontDir>", "/usr/Fonts", "/home/clerk/.local/share/fonts",
         "/home/clerk/.local/share/fonts"},
        {"<AllUsersDir>", "/usr", "/usr", "/usr"},
        {"<AllUsersAppDataDir>", "/usr/Application Data", "/usr/share", "/usr/share"},
        {"<AllUsersStartMenuDir>", "/usr/Start Menu", "/usr/share/applications",
         "/usr/share/applications"},
        {"<AllUsersDocumentsDir>", "/usr/Documents", "/usr/Documents", "/usr/share"},
        {"<UserDesktopDir>", "/usr/Desktop", "/home/clerk/Desktop", "/home/clerk/Desktop"},
        {"<System16 Directory>", "/usr/lib", "/usr/System", "/usr/System"},
    };
    for (const auto& c : cases) {
        existing.clear();
        EXPECT_EQ(Path(c.variable), c.whenMissing) << c.variable;
        existing = {c.present};
        EXPECT_EQ(Path(c.variable), c.whenPresent) << c.variable;
    }
    existing = {"/home/clerk/Start Menu"};
    EXPECT_EQ(Path("<UserStartMenuDir>"), "/home/clerk/Start Menu");
}

TEST_F(PathVariablesTest, PlatformValuesSuffixAndSeparators) {
    EXPECT_EQ(Path("<InstallDrive>opt|<WinDisk>|<UserDir>|<RunTimeDir_3>|<WinSysDir>"),
              "/opt||/home/clerk||/usr/lib");
    ExpandOptions withSuffix;
    withSuffix.suffix = "/";
    EXPECT_EQ(Path("<InstallDir>bin/app <ProgramFilesDir>x", withSuffix),
              "/opt/product/bin/app /opt/x");
    EXPECT_EQ(Path("<SrcDir>/<TempDir>/setup <AbsoluteDir>end"),
              "/media/cd/tmp/kelpset-x/setup end");
    EXPECT_EQ(Path("http://host/<InstallDir>//x"), "http://host/opt/product/x");
    // A run-time folder put in takes the place of the install folder.
    EXPECT_EQ(Path("<RunTimeDir_1><InstallDir>/app"), "/app");
    sources.servicePaths = "|/opt/svc/a/agent|/opt/svc/b/daemon|";
    EXPECT_EQ(Path("<ServiceDir> for /opt/svc/b/daemon"), "/opt/svc/b for /opt/svc/b/daemon");
    EXPECT_EQ(Path("<ServiceDir>"), "/media/cd");
}

TEST_F(PathVariablesTest, PreExpandAndNormalise) {
    ExpandOptions options;
    options.preExpand = "|<<Product>>=<InstallDir>/bin|<Missing=x|";
    EXPECT_EQ(Path("<product>/run <Other>", options), "/opt/product/bin/run <Other>");
    ExpandOptions normalise;
    normalise.normalise = true;
    EXPECT_EQ(Path("<InstallDir>/bin/../lib", normalise), "/opt/product/lib");
    EXPECT_EQ(Path(",<InstallDir>/a/..,<WinDir>/x/../y,", normalise), ",/opt/product/,/usr/y,");
}
