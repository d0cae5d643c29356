#include "app/BoxLayout.h"

#include "package/LanguageDefaults.h"
#include "package/ListText.h"

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

std::string ButtonLabel(const std::string& buttons, int index) {
    std::string label = ListItem(buttons.empty() ? kDefaultButtons : buttons, index);
    return label.empty() ? ListItem(kDefaultButtons, index) : label;
}

} // namespace stub
