#include "app/BoxLayout.h"

#include <algorithm>

namespace stub {

namespace {

constexpr int kMaxTextWidth = 600;

} // namespace

BoxTextSize MeasureBoxText(const std::vector<int>& lineWidths, int lineHeight) {
    int widest = 0;
    int lines = 0;
    for (int width : lineWidths) {
        widest = std::max(widest, width);
        lines += std::max(1, (width + kMaxTextWidth - 1) / kMaxTextWidth);
    }
    return {std::min(widest + 10, kMaxTextWidth), std::max(lines, 1) * lineHeight};
}

} // namespace stub
