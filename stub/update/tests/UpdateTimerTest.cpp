#include "update/UpdateTimer.h"

#include <gtest/gtest.h>

using namespace stub;

namespace {

constexpr std::int64_t kNow = 4006076645LL;

VersionRecord DueRecord(std::int64_t interval) {
    VersionRecord r;
    r.probeSecondsInterval = interval;
    r.probeSecondsLast = kNow - 3600;
    return r;
}

// The ticks (from 1) on which a probe was planned.
std::vector<int> ProbeTicks(UpdateTimer& timer, const VersionRecord& record, int ticks) {
    std::vector<int> probes;
    for (int i = 1; i <= ticks; ++i)
        if (timer.Tick(record, false, kNow, false).probe)
            probes.push_back(i);
    return probes;
}

TEST(UpdateTimerTest, IntervalMinusOneNeverProbesButARequestDoes) {
    UpdateTimer timer;
    const auto record = DueRecord(-1);
    EXPECT_EQ(ProbeTicks(timer, record, 5), std::vector<int>{});
    timer.RequestProbe(false);
    const auto plan = timer.Tick(record, false, kNow, false);
    EXPECT_TRUE(plan.probe);
    EXPECT_FALSE(plan.ask);
    EXPECT_FALSE(plan.manual);
    EXPECT_EQ(ProbeTicks(timer, record, 3), std::vector<int>{});
}

TEST(UpdateTimerTest, ASleepDelaysTheFirstProbe) {
    UpdateTimer timer(3);
    EXPECT_EQ(ProbeTicks(timer, DueRecord(60), 5), (std::vector<int>{4, 5}));
}

TEST(UpdateTimerTest, IntervalZeroProbesOnceThenStops) {
    UpdateTimer timer;
    EXPECT_EQ(ProbeTicks(timer, DueRecord(0), 4), std::vector<int>{1});
    EXPECT_FALSE(timer.PeriodicOn());
}

TEST(UpdateTimerTest, NotDueNoProbe) {
    UpdateTimer timer;
    VersionRecord record = DueRecord(7200);
    EXPECT_EQ(ProbeTicks(timer, record, 3), std::vector<int>{});
    EXPECT_TRUE(timer.Tick(record, true, kNow, false).probe) << "five seconds in test mode";
}

TEST(UpdateTimerTest, StopCountdownQuitsAfterThatManyTicks) {
    UpdateTimer timer;
    const auto record = DueRecord(-1);
    timer.SetStopCountdown(2);
    EXPECT_FALSE(timer.Tick(record, false, kNow, false).quit);
    EXPECT_FALSE(timer.Tick(record, false, kNow, false).quit);
    EXPECT_TRUE(timer.Tick(record, false, kNow, false).quit);
    EXPECT_EQ(timer.StopCountdown(), -1);
    timer.SetStopCountdown(0);
    timer.RequestProbe(false);
    const auto plan = timer.Tick(record, false, kNow, false);
    EXPECT_TRUE(plan.quit);
    EXPECT_FALSE(plan.probe) << "nothing starts while quitting";
}

TEST(UpdateTimerTest, AManualCheckAsksOnceWithMessages) {
    UpdateTimer timer(10);
    const auto record = DueRecord(-1);
    timer.RequestProbe(true);
    auto plan = timer.Tick(record, false, kNow, false);
    EXPECT_TRUE(plan.probe) << "a manual check ignores the delay";
    EXPECT_TRUE(plan.ask);
    EXPECT_TRUE(plan.manual);
    plan = timer.Tick(record, false, kNow, true);
    EXPECT_FALSE(plan.manual);
    EXPECT_FALSE(plan.probe);
    timer.RequestProbe(false);
    EXPECT_TRUE(timer.Tick(record, false, kNow, true).ask) << "the override forces the question";
}

TEST(UpdateTimerTest, ADescriptionDownloadTakesItsOwnTick) {
    UpdateTimer timer;
    timer.RequestInfoDownload();
    timer.RequestProbe(false);
    auto plan = timer.Tick(DueRecord(-1), false, kNow, false);
    EXPECT_TRUE(plan.justDownloadInfo);
    EXPECT_FALSE(plan.probe);
    plan = timer.Tick(DueRecord(-1), false, kNow, false);
    EXPECT_FALSE(plan.justDownloadInfo);
    EXPECT_TRUE(plan.probe);
}

} // namespace
