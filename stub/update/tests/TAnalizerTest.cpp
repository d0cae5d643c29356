#include "update/TAnalizer.h"

#include <gtest/gtest.h>
#include <map>

using namespace stub;

namespace {

struct FakeWindow {
    WindowId owner = 0; // 0: none
    bool caption = false;
    bool visible = false;
};

// Windows that exist; any other id is a window that has gone.
class FakeWindows : public WindowQuery {
public:
    explicit FakeWindows(std::map<WindowId, FakeWindow> windows)
        : windows_(std::move(windows)) {}
    std::optional<WindowId> Owner(WindowId window) override {
        auto found = windows_.find(window);
        if (found == windows_.end() || found->second.owner == 0)
            return std::nullopt;
        return found->second.owner;
    }
    std::optional<WindowFacts> Facts(WindowId window) override {
        auto found = windows_.find(window);
        if (found == windows_.end())
            return std::nullopt;
        return WindowFacts{found->second.caption, found->second.visible};
    }

private:
    std::map<WindowId, FakeWindow> windows_;
};

TEST(TAnalizerTest, PicksTheWindowThatOwnsTheOthers) {
    struct Case {
        const char* name;
        std::vector<WindowId> listed;
        std::map<WindowId, FakeWindow> windows;
        std::optional<WindowId> best;
    } cases[] = {
        {"main window over its titled dialog",
         {2, 1},
         {{1, {0, true, true}}, {2, {1, true, true}}},
         1},
        {"hidden untitled owner beats a titled visible window",
         {1, 2, 3},
         {{1, {0, true, true}}, {2, {0, false, false}}, {3, {2, false, false}}},
         2},
        {"all hidden, untitled, owning nothing: none",
         {1, 2},
         {{1, {0, false, false}}, {2, {0, false, false}}},
         std::nullopt},
        {"caption counts two, visible one",
         {1, 2},
         {{1, {0, false, true}}, {2, {0, true, false}}},
         2},
        {"first wins a tie", {5, 4}, {{4, {0, true, true}}, {5, {0, true, true}}}, 5},
        {"the top of a chain scores for every window below",
         {3, 2, 1},
         {{1, {0, false, false}}, {2, {1, true, true}}, {3, {2, true, true}}},
         1},
        {"an owner outside the process scores nothing",
         {2},
         {{1, {0, true, true}}, {2, {1, false, false}}},
         std::nullopt},
        {"an owner cycle ends",
         {1, 2, 3},
         {{1, {2, false, false}}, {2, {1, false, false}}, {3, {0, true, true}}},
         1},
        {"a window gone during the walk is skipped", {9, 2}, {{2, {9, false, true}}}, 2},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.name);
        TAnalizer analizer;
        for (WindowId window : c.listed)
            analizer.Add(window);
        FakeWindows query(c.windows);
        EXPECT_EQ(analizer.Best(query), c.best);
    }
}

TEST(TAnalizerTest, WindowsBeyondTheLimitAreIgnored) {
    std::map<WindowId, FakeWindow> windows;
    TAnalizer analizer;
    for (WindowId id = 1; id <= TAnalizer::kMaxWindows + 1; ++id) {
        windows[id] = {0, false, id > TAnalizer::kMaxWindows};
        analizer.Add(id);
    }
    EXPECT_EQ(analizer.Windows().size(), TAnalizer::kMaxWindows);
    FakeWindows query(windows);
    EXPECT_EQ(analizer.Best(query), std::nullopt);
}

} // namespace
