#pragma once

#include "platform/ProcessLog.h"
#include "update/UpdateDescription.h"
#include "update/VersionRecord.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace stub {

// Whether a downloaded description applies: the code is the first check that fails.
enum DecisionCode {
    kInfoNotDownloaded = 0,
    kRecordUnreadable = 1,
    kTooEarly = 2,
    kNotHigher = 3,
    kVersionMismatch = 4,
    kSizeError = 5,
    kDecisionOk = 6
};

std::string DecisionText(int code);

// The size of the file name below base as the site holds it; -1 when it cannot be known.
using SizeLookup = std::function<std::int64_t(const std::string& base, const std::string& name)>;

struct DecisionInput {
    bool infoDownloaded = false;
    VersionRecord record;
    UpdateDescription description;
    std::int64_t now = 0;
    bool manualCheck = false;
    std::string base;                  // where the package lies: the test address in test mode
    std::vector<std::string> ownFiles; // names a description may not use
    SizeLookup actualSize;
};

struct DecisionLogs {
    LogSink process;
    LogSink debug;
};

int GetOkToPerformAU(const DecisionInput& input, const DecisionLogs& logs);

// When the timer should probe: 0 not now, 1 probe, 2 probe once and switch periodic probing
// off (the record asks for a single probe). A requested probe always gives 1.
int ShotTimeStatus(bool periodicOn, bool probeRequested, const VersionRecord& record, bool testMode,
                   std::int64_t now);

} // namespace stub
