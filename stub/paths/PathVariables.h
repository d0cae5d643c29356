#pragma once

#include <ctime>
#include <functional>
#include <string>

namespace stub {

// The user's and the system's folders as this platform has them; an empty text is a folder the
// system does not name.
struct SystemFolders {
    std::string documents;       // from the XDG user dirs
    std::string desktop;         // from the XDG user dirs
    std::string appData;         // ~/.local/share
    std::string localAppData;    // ~/.cache
    std::string startMenu;       // ~/.local/share/applications
    std::string fonts;           // ~/.local/share/fonts
    std::string commonAppData;   // /usr/share
    std::string commonDocuments; // none
    std::string commonStartMenu; // /usr/share/applications
    std::string commonDesktop;   // none
    std::string windows = "/usr";
    std::string system = "/usr/lib";
    std::string programFiles = "/opt";
    std::string commonFiles = "/usr/share";
    std::string home; // <UserDir>
};

// Everything the variables are read from, so that tests can pass in their own clock and folders.
struct VariableSources {
    std::function<std::time_t()> now;
    // Folder values count only when the folder exists.
    std::function<bool(const std::string&)> folderExists;
    SystemFolders folders;
    std::string loggedUserName;
    std::string userFullName; // <UserName>; the logged-on name when empty
    std::string companyName;
    std::string computerName;
    std::string domainName;
    std::string stubFolder;
    std::string originFolder;
    std::string tempFolder;
    int lastExitCode = 0;
    // Entries such as "UserName" or "ProjectName"; empty text without one.
    std::function<std::string(const std::string&)> valueProvider;
    // A "|" list of service programs for <ServiceDir>.
    std::string servicePaths;
    // The installed product's folders.
    std::string applicationFolder;
    std::string commonFolder;
    std::string auxiliaryFolder;
};

// The sources of the running system: the wall clock, the XDG folders, the password database and
// the host name.
VariableSources SystemVariableSources(const std::string& stubFolder, const std::string& origin,
                                      const std::string& tempFolder);

struct ExpandOptions {
    std::string suffix;     // appended to every folder value put in
    bool normalise = false; // resolve "../" and "/.." parts (in each item of a "," or "|" list)
    bool pathMode = false;  // also the folder variables
    std::string preExpand;  // a key=value list whose "<name>" keys are put in first
};

// Replaces the variables in angle brackets of text: <Date=c> (the first one), the name
// variables and, in path mode, the folder variables; every occurrence of a name, without
// regard to case.
std::string ExpandVariables(const std::string& text, const ExpandOptions& options,
                            const VariableSources& sources);

} // namespace stub
