#pragma once

#include "platform/IniFile.h"

#include <cstdint>
#include <string>

namespace stub {

// The update description the site serves: what is new and how to install it. It comes from
// outside: names and addresses are checked where they are used (UpdateNames.h).
struct UpdateDescription {
    std::string downloadUrlUpdate;
    std::string nameOfUpdateFile;
    std::int64_t sizeOfUpdateFile = 0;
    bool confirmBeforeDownload = false;
    bool confirmBeforeInstall = false;
    bool backgroundUpdate = false;
    std::string shutDownMethod;
    bool restartProcess = false;
    bool informFinish = false;
    std::string runningProcess;
    std::string programName;
    std::int64_t versionNew = 0;
    std::string stamp;
    std::string validVersions;
    bool removeStartUpShortcut = false;
    bool removeCheckForNewUpdateShortcut = false;
    bool autoInform = false;
    std::string downloadUrlInform;
    std::string nameOfInformFile;
    std::int64_t sizeOfInformFile = 0;
    int autoInformW = 360;
    int autoInformH = 0;

    static UpdateDescription FromIni(const IniFile& ini);
};

} // namespace stub
