#include "update/UpdateDescription.h"

#include "update/VersionRecord.h"

namespace stub {

UpdateDescription UpdateDescription::FromIni(const IniFile& ini) {
    auto text = [&ini](const char* section, const char* key) {
        return ini.Value(section, key, "");
    };
    auto flag = [&text](const char* section, const char* key) {
        return text(section, key) == "1";
    };
    auto number = [&ini](const char* section, const char* key, std::int64_t fallback = 0) {
        return IniNumber(ini.Value(section, key), fallback);
    };
    UpdateDescription d;
    d.downloadUrlUpdate = text("NewSetup", "DownloadURL_UPDATE");
    d.nameOfUpdateFile = text("NewSetup", "NameOfUpdateFile");
    d.sizeOfUpdateFile = number("NewSetup", "SizeOfUpdateFile");
    d.confirmBeforeDownload = flag("NewSetup", "RequestConfirmationBeforeDownload");
    d.confirmBeforeInstall = flag("NewSetup", "RequestConfirmationBeforeInstall");
    d.backgroundUpdate = flag("NewSetup", "BackgroundUpdate");
    d.shutDownMethod = text("NewSetup", "ShutDownMethod");
    d.restartProcess = flag("NewSetup", "RestartProcess");
    d.informFinish = flag("NewSetup", "InformFinish");
    d.runningProcess = text("NewSetup", "RunningProcess");
    d.programName = text("NewSetup", "ProgramName");
    d.versionNew = number("NewSetup", "VersionNew");
    d.stamp = text("NewSetup", "Stamp");
    d.validVersions = text("NewSetup", "ValidVersions");
    d.removeStartUpShortcut = flag("NewSetup", "RemoveStartUpShortcut");
    d.removeCheckForNewUpdateShortcut = flag("NewSetup", "RemoveCheckForNewUpdateShortcut");
    d.autoInform = number("General", "AutoInform") == 1;
    d.downloadUrlInform = text("AutoInform", "DownloadURL_INFORM");
    d.nameOfInformFile = text("AutoInform", "NameOfInformFile");
    d.sizeOfInformFile = number("AutoInform", "SizeOfInformFile");
    d.autoInformW = static_cast<int>(number("AutoInform", "AutoInformW", 360));
    d.autoInformH = static_cast<int>(number("AutoInform", "AutoInformH"));
    return d;
}

} // namespace stub
