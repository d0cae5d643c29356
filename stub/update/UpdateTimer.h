#pragma once

#include "update/VersionRecord.h"

#include <cstdint>

namespace stub {

// What one timer tick of the working agent does.
struct TickPlan {
    bool quit = false;             // the stop countdown ran out
    bool justDownloadInfo = false; // fetch the description only
    bool probe = false;
    bool ask = false;    // ask the probe question first; "no" drops the probe
    bool manual = false; // a check the user asked for: messages on every outcome
    int status = -1;     // the shot time status, -1 before the counter reached 1
};

// The working agent's clock of ticks: a delay given at start, the stop countdown, requested
// probes and description downloads, a manual check, and periodic probing that a record asking
// for a single probe turns off.
class UpdateTimer {
public:
    // The first probe waits sleepTicks ticks.
    explicit UpdateTimer(long sleepTicks = 0)
        : counter_(sleepTicks > 0 ? -sleepTicks : 0) {}

    // The agent quits after that many further ticks (0: at the next one); -1: never.
    void SetStopCountdown(long ticks) { stopCountdown_ = ticks; }
    long StopCountdown() const { return stopCountdown_; }
    // A probe now; manual with its messages.
    void RequestProbe(bool manual);
    void RequestInfoDownload() { infoRequested_ = true; }
    long Counter() const { return counter_; }
    bool PeriodicOn() const { return periodicOn_; }

    TickPlan Tick(const VersionRecord& record, bool testMode, std::int64_t now, bool forceQuestion);

private:
    long counter_ = 0;
    long stopCountdown_ = -1;
    int manualLevel_ = 0;
    bool probeRequested_ = false;
    bool infoRequested_ = false;
    bool periodicOn_ = true;
};

} // namespace stub
