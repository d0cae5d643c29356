#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace stub {

using WindowId = std::uint32_t;

struct WindowFacts {
    bool hasCaption = false;
    bool visible = false;
};

// What the scoring asks about windows; either answer is nullopt for a window that has gone.
class WindowQuery {
public:
    virtual ~WindowQuery() = default;
    virtual std::optional<WindowId> Owner(WindowId window) = 0;
    virtual std::optional<WindowFacts> Facts(WindowId window) = 0;
};

// Picks the main window among the top-level windows of one process: a window scores one for
// every window of the list it (at the top of the owner chain) owns, shifted left by two, plus
// two for a caption and one when visible. The highest score wins, the first one on a tie, and
// nothing when every score is 0.
class TAnalizer {
public:
    static constexpr std::size_t kMaxWindows = 2001;

    // Windows beyond kMaxWindows are ignored.
    void Add(WindowId window);
    const std::vector<WindowId>& Windows() const { return windows_; }

    std::optional<WindowId> Best(WindowQuery& query);

private:
    std::optional<WindowId> TopOwner(WindowId window, WindowQuery& query) const;

    std::vector<WindowId> windows_;
};

} // namespace stub
