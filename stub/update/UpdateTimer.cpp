#include "update/UpdateTimer.h"

#include "update/UpdateDecision.h"

namespace stub {

void UpdateTimer::RequestProbe(bool manual) {
    probeRequested_ = true;
    if (manual)
        manualLevel_ = 2;
}

TickPlan UpdateTimer::Tick(const VersionRecord& record, bool testMode, std::int64_t now,
                           bool forceQuestion) {
    TickPlan plan;
    if (infoRequested_) {
        infoRequested_ = false;
        plan.justDownloadInfo = true;
        return plan;
    }
    if (manualLevel_ == 2)
        manualLevel_ = 1;
    if (manualLevel_ == 1)
        counter_ = 0;
    if (stopCountdown_ == 0) {
        stopCountdown_ = -1;
        plan.quit = true;
        return plan;
    }
    if (stopCountdown_ > 0)
        --stopCountdown_;
    ++counter_;
    if (counter_ < 1)
        return plan;
    const int status = ShotTimeStatus(periodicOn_, probeRequested_, record, testMode, now);
    probeRequested_ = false;
    plan.status = status;
    if (status == 2)
        periodicOn_ = false;
    plan.manual = manualLevel_ == 1;
    plan.probe = status >= 1;
    plan.ask = plan.probe && (plan.manual || forceQuestion);
    if (manualLevel_ == 1)
        manualLevel_ = 0;
    return plan;
}

} // namespace stub
