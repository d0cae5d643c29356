#pragma once

#include <algorithm>
#include <string>
#include <vector>

namespace stub {

// The size a box gives its text: the widest line + 10 pixels, at most 600; every line as many
// line heights as it wraps into at 600 pixels (at least one).
struct BoxTextSize {
    int width;
    int height;
};
BoxTextSize MeasureBoxText(const std::vector<int>& lineWidths, int lineHeight);

// Character sets 177 (Hebrew) and 178 (Arabic) read right to left.
inline bool RightToLeft(int charset) {
    return charset == 177 || charset == 178;
}

// The progress window's two bars: the main bar counts files, the busy bar runs 0..5 round.
struct ProgressBars {
    long long low = 0, high = 100, position = 0, step = 1;
    int busy = 0;

    void SetUp(long long rangeLow, long long rangeHigh, int stepBy, long long at) {
        low = rangeLow;
        high = rangeHigh;
        step = stepBy;
        position = at;
        busy = 0;
    }
    void Advance() {
        position = std::min(high, position + step);
        busy = busy >= 5 ? 0 : busy + 1;
    }
};

} // namespace stub
