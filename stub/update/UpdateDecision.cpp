#include "update/UpdateDecision.h"

#include "update/UpdateNames.h"

namespace stub {

namespace {

bool ValidFor(const std::string& validVersions, std::int64_t installed) {
    if (validVersions.empty())
        return true;
    return ("," + validVersions + ",").find("," + std::to_string(installed) + ",") !=
           std::string::npos;
}

bool SizeFits(const DecisionInput& in, const DecisionLogs& logs) {
    const auto& d = in.description;
    const std::string& name = d.autoInform ? d.nameOfInformFile : d.nameOfUpdateFile;
    const std::int64_t expected = d.autoInform ? d.sizeOfInformFile : d.sizeOfUpdateFile;
    const std::string refused = RefusedUpdateFileName(name, in.ownFiles);
    if (!refused.empty()) {
        if (logs.debug)
            logs.debug("  Refused file name: " + refused);
        return false;
    }
    const std::int64_t actual = in.actualSize ? in.actualSize(in.base, name) : -1;
    const std::int64_t difference = actual - expected;
    if (actual >= 0 && difference > -100 && difference < 100)
        return true;
    if (logs.debug) {
        logs.debug("  InfoSize=" + std::to_string(expected));
        logs.debug("  HttpSize=" + std::to_string(actual));
        logs.debug("  URL=" + in.base + "/" + name);
    }
    return false;
}

int Decide(const DecisionInput& in, const DecisionLogs& logs) {
    const auto& r = in.record;
    const auto& d = in.description;
    if (!in.infoDownloaded)
        return kInfoNotDownloaded;
    if (r.versionOriginal <= 0)
        return kRecordUnreadable;
    const bool reAskDue =
        r.reAskSecondsInterval > 0 && in.now > r.reAskSecondsLast + r.reAskSecondsInterval;
    if (d.stamp == r.stamp && !reAskDue && !in.manualCheck)
        return kTooEarly;
    if (r.versionOriginal >= d.versionNew)
        return kNotHigher;
    if (!ValidFor(d.validVersions, r.versionOriginal))
        return kVersionMismatch;
    if (!SizeFits(in, logs))
        return kSizeError;
    return kDecisionOk;
}

} // namespace

std::string DecisionText(int code) {
    static const char* const texts[] = {"Error downloading .INFO file",
                                        "Error reading .ORIGINAL file",
                                        "Too early for retesting",
                                        "New version is not higher then old version",
                                        "\"Valid for version\" mismatch",
                                        "Download file size error",
                                        "OK"};
    return code >= 0 && code <= kDecisionOk ? texts[code] : "";
}

int GetOkToPerformAU(const DecisionInput& input, const DecisionLogs& logs) {
    const int code = Decide(input, logs);
    if (logs.process)
        logs.process(" GetOkToPerformAU=" + std::to_string(code));
    if (logs.debug)
        logs.debug("GetOkToPerformAU = " + std::to_string(code) + " - " + DecisionText(code));
    return code;
}

int ShotTimeStatus(bool periodicOn, bool probeRequested, const VersionRecord& record, bool testMode,
                   std::int64_t now) {
    if (probeRequested)
        return 1;
    if (!periodicOn || record.probeSecondsInterval == -1)
        return 0;
    const std::int64_t interval = testMode ? 5 : record.probeSecondsInterval;
    if (now < record.probeSecondsLast + interval)
        return 0;
    return record.probeSecondsInterval == 0 ? 2 : 1;
}

} // namespace stub
