#include "app/WorkingAgent.h"

#include "package/MessageBoxes.h"
#include "platform/CloseRequest.h"
#include "platform/CommandLine.h"
#include "platform/IniFile.h"
#include "platform/Programs.h"
#include "update/Connectivity.h"
#include "update/UpdateDescription.h"
#include "update/UpdateTime.h"
#include "update/VersionRecord.h"

#include <filesystem>
#include <sstream>
#include <unistd.h>

namespace stub {

namespace {

namespace fs = std::filesystem;

constexpr int kTickMs = 1000;
constexpr int kSettingsMs = 30000;

std::string ReplaceAll(std::string text, const std::string& what, const std::string& with) {
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size()))
        text.replace(at, what.size(), with);
    return text;
}

} // namespace

std::string AgentPeerClass(std::int64_t window) {
    return ".AutoUpdatePeer." + std::to_string(window);
}

std::string OverridesText(const TransientOverrides& overrides) {
    std::string text = "|";
    for (int item = TransientOverrides::ProbeQuestion; item <= TransientOverrides::Restart; ++item)
        text += std::to_string(overrides.Get(static_cast<TransientOverrides::Item>(item))) + "|";
    return text;
}

TransientOverrides ParseOverrides(const std::string& text) {
    TransientOverrides overrides;
    std::istringstream items(text);
    int item = TransientOverrides::ProbeQuestion;
    for (std::string value;
         item <= TransientOverrides::Restart && std::getline(items, value, '|');) {
        if (value.empty())
            continue;
        const auto number = IniNumber(value, -1);
        if (number >= 0 && number <= TransientOverrides::kNone)
            overrides.Set(static_cast<TransientOverrides::Item>(item), static_cast<int>(number));
        ++item;
    }
    return overrides;
}

WorkingAgent::WorkingAgent(const StubStart& start, const TGFileInfo& info, SetupUi& ui,
                           std::string runtime, LogSink debugLog)
    : start_(start)
    , info_(info)
    , ui_(ui)
    , runtime_(std::move(runtime))
    , debugLog_(std::move(debugLog))
    , ticks_(SwitchNumber(start.tail, "/SleepX=", 0)) {
    const fs::path folder = fs::path(start.ownPath).parent_path();
    recordPath_ = (folder / info.VersionRecordName()).string();
    infoPath_ = (folder / fs::path(info.Setting(SettingsItem::InfoFileName)).filename()).string();
    if (const auto transient = SwitchValue(start.tail, "/TRANSIENTx="))
        overrides_ = ParseOverrides(*transient);
    timer_.setInterval(kTickMs);
    connect(&timer_, &QTimer::timeout, this, &WorkingAgent::Tick);
}

bool WorkingAgent::Listen(const std::string& className) {
    endpoint_ = std::make_unique<Endpoint>(runtime_, className,
                                           [this](const EndpointMessage& m) { return Message(m); });
    return endpoint_->Listen();
}

void WorkingAgent::Run() {
    ReadSettings(true);
    timer_.start();
    loop_.exec();
    timer_.stop();
    Notify(43, 0);
}

void WorkingAgent::Debug(const std::string& line) const {
    if (debugLog_)
        debugLog_(line);
}

void WorkingAgent::Notify(int code, std::int64_t value) const {
    if (peerMessage_ != 0)
        PostEndpointMessage(runtime_, AgentPeerClass(peerWindow_),
                            static_cast<std::uint32_t>(peerMessage_), code, value);
}

bool WorkingAgent::Closing() const {
    return CloseRequested() || ui_.CloseAsked() || ticks_.StopCountdown() == 0;
}

std::string WorkingAgent::RecordText(const std::string& key, const std::string& fallback) const {
    const auto ini = IniFile::Load(recordPath_);
    return ini ? ini->Value("AutoUpdate", key, fallback) : fallback;
}

void WorkingAgent::ReadSettings(bool now) {
    if (!now && settingsRead_.isValid() && settingsRead_.elapsed() < kSettingsMs)
        return;
    settingsRead_.start();
    const auto ini = IniFile::Load(ConfigIniPath());
    testMode_ = ini && ini->Value("AutoUpdate", "TestMode", "0") == "1";
    testUrl_ = ini ? ini->Value("AutoUpdate", "TestModeURL", "") : std::string();
}

std::int64_t WorkingAgent::Message(const EndpointMessage& message) {
    switch (message.message) {
    case kMsgStop:
        ticks_.SetStopCountdown(static_cast<long>(message.wParam));
        return 1;
    case kMsgRegister:
        peerWindow_ = message.wParam;
        peerMessage_ = message.lParam;
        Notify(50, getpid());
        Notify(51, kMsgCommand);
        return 1;
    case kMsgCommand:
        return Command(message.wParam, message.lParam);
    default:
        return 0;
    }
}

std::int64_t WorkingAgent::Command(std::int64_t command, std::int64_t value) {
    const auto record = VersionRecord::Load(recordPath_).value_or(VersionRecord());
    switch (command) {
    case 4:
        return record.probeSecondsInterval;
    case 5:
        return record.probeSecondsLast;
    case 6:
        return record.reAskSecondsInterval;
    case 7:
        return record.reAskSecondsLast;
    case 8:
        return record.versionOriginal;
    case 9: {
        const auto description = IniFile::Load(infoPath_);
        return description ? UpdateDescription::FromIni(*description).versionNew : 0;
    }
    case 10:
        return current_ ? current_->Busy() : 0;
    case 11:
        return ticks_.StopCountdown();
    case 12:
        return WriteRecordValue(recordPath_, "ProbeSecondsInterval", std::to_string(value));
    case 13:
        return WriteRecordTime(recordPath_, "ProbeSecondsLast", value);
    case 14:
        return WriteRecordValue(recordPath_, "ReAskSecondsInterval", std::to_string(value));
    case 15:
        return WriteRecordTime(recordPath_, "ReAskSecondsLast", value);
    case 20:
    case 21:
    case 22:
    case 23:
    case 24:
    case 25:
        if (value < 0 || value > TransientOverrides::kNone)
            return 0;
        overrides_.Set(static_cast<TransientOverrides::Item>(command - 19),
                       static_cast<int>(value));
        return 1;
    case 30:
        ticks_.SetStopCountdown(static_cast<long>(value));
        return 1;
    case 31:
        ticks_.RequestProbe(value == 2);
        return 1;
    case 32:
        ticks_.RequestInfoDownload();
        return 1;
    default:
        return 0;
    }
}

bool WorkingAgent::AskProbeQuestion() {
    const std::string site = testMode_ ? testUrl_ : info_.Setting(SettingsItem::UpdateBaseUrl);
    const bool drivePath = site.size() < 2 || site[1] == ':';
    std::string text =
        RecordText("s22", "") + (drivePath ? "" : RecordText("s23", "")) + RecordText("s24", "");
    if (testMode_)
        text += "<P><P><T><B>PLEASE NOTE</B> - You are now running in <B>Test Mode</B>!";
    const auto record = VersionRecord::Load(recordPath_).value_or(VersionRecord());
    text = ReplaceAll(text, "PROG_NAME", LiteralText(record.programName));
    return ui_.Boxes().AskYesNo(text, RecordText("Confirm", ""), 0, RecordText("BtnText", ""));
}

void WorkingAgent::Tick() {
    if (ticking_)
        return;
    // A close waits for the cycle to be idle; the cycle's own waits see it and end early.
    if (CloseRequested() || ui_.CloseAsked()) {
        loop_.quit();
        return;
    }
    ticking_ = true;
    ReadSettings(false);
    AgentSetup setup;
    setup.start = start_;
    setup.own = &info_;
    setup.runtime = runtime_;
    setup.ui = &ui_;
    setup.overrides = overrides_;
    setup.notify = [this](int code, int value) {
        Notify(code, value);
    };
    setup.stopping = [this] {
        return Closing();
    };
    setup.connected = IsConnected;
    setup.now = UpdateSecondsNow;
    setup.debugLog = debugLog_;

    const auto record = VersionRecord::Load(recordPath_).value_or(VersionRecord());
    const bool forceQuestion = overrides_.Get(TransientOverrides::ProbeQuestion) == 1;
    const TickPlan plan = ticks_.Tick(record, testMode_, UpdateSecondsNow(), forceQuestion);
    if (plan.quit) {
        loop_.quit();
    } else if (plan.justDownloadInfo) {
        Debug("-------------- JustDownloadInfoFile ---------------");
        setup.testMode = testMode_;
        setup.testUrl = testUrl_;
        UpdateAgent(setup).DownloadInfoFile();
    } else {
        ProcessLog(" AutoUpdateTimerCount=" + std::to_string(ticks_.Counter()));
        if (plan.status >= 0)
            ProcessLog(" ShotTimeStatus=" + std::to_string(plan.status));
        if (plan.probe && (!plan.ask || AskProbeQuestion())) {
            ReadSettings(true);
            setup.testMode = testMode_;
            setup.testUrl = testUrl_;
            UpdateAgent agent(setup);
            current_ = &agent;
            const bool installed = agent.PerformShot(plan.manual);
            current_ = nullptr;
            if (installed)
                Restart();
        }
    }
    ticking_ = false;
}

void WorkingAgent::Restart() {
    // A stop on its way ends this agent anyway; no new one is wanted then.
    if (ticks_.StopCountdown() > 0)
        return;
    Debug(".. ReStartAutoUpdateExe() - Start");
    const std::string plain =
        (fs::path(start_.ownPath).parent_path() / info_.Setting(SettingsItem::AgentFileName))
            .string();
    const std::vector<std::string> command = {plain, "/_ZZ=99", "/WAIT=10",
                                              "/TRANSIENT=" + OverridesText(overrides_)};
    Debug(".. WinExec - " + plain + " /_ZZ=99 /WAIT=10 /TRANSIENT=" + OverridesText(overrides_));
    std::string error;
    if (!StartDetached(command, &error))
        ProcessLog("ERROR: " + error);
    ui_.Wait(kTickMs);
    Debug(".. PostMessage(WM_DESTROY)");
    loop_.quit();
    Debug(".. ReStartAutoUpdateExe() - End");
}

} // namespace stub
