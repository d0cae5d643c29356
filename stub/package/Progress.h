#pragma once

#include <cstdint>
#include <functional>

namespace stub {

enum ProgressKind { SetUpBars = 0, AdvanceBars = 1 };

// The progress callback of extraction and download: kind 0 sets the bars up with a range, kind 1
// advances them. The callback may set cancel.
using OnProgress = std::function<void(int kind, std::int64_t rangeLow, std::int64_t rangeHigh,
                                      bool& cancel, int step, std::int64_t position)>;

} // namespace stub
