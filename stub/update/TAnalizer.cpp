#include "update/TAnalizer.h"

#include <algorithm>
#include <unordered_set>

namespace stub {

void TAnalizer::Add(WindowId window) {
    if (windows_.size() < kMaxWindows)
        windows_.push_back(window);
}

std::optional<WindowId> TAnalizer::TopOwner(WindowId window, WindowQuery& query) const {
    auto owner = query.Owner(window);
    if (!owner)
        return std::nullopt;
    // Owners may point at each other: the walk ends at the first window seen twice.
    std::unordered_set<WindowId> seen{window, *owner};
    WindowId top = *owner;
    while (auto next = query.Owner(top)) {
        if (!seen.insert(*next).second)
            break;
        top = *next;
    }
    return top;
}

std::optional<WindowId> TAnalizer::Best(WindowQuery& query) {
    std::vector<std::uint16_t> scores(windows_.size(), 0);
    for (WindowId window : windows_) {
        auto top = TopOwner(window, query);
        if (!top)
            continue;
        auto at = std::find(windows_.begin(), windows_.end(), *top);
        if (at != windows_.end())
            ++scores[std::size_t(at - windows_.begin())];
    }
    std::optional<WindowId> best;
    std::uint16_t bestScore = 0;
    for (std::size_t i = 0; i < windows_.size(); ++i) {
        auto facts = query.Facts(windows_[i]);
        if (!facts)
            continue;
        auto score =
            std::uint16_t(scores[i] << 2 | (facts->hasCaption ? 2 : 0) | (facts->visible ? 1 : 0));
        if (score > bestScore) {
            bestScore = score;
            best = windows_[i];
        }
    }
    return best;
}

} // namespace stub
