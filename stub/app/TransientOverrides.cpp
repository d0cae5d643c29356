#include "app/TransientOverrides.h"

#include "update/VersionRecord.h"

namespace stub {

TransientOverrides TransientOverrides::Parse(const std::string& list) {
    TransientOverrides overrides;
    std::size_t at = 0;
    for (int i = 0; i < 6 && at <= list.size(); ++i) {
        const std::size_t bar = list.find('|', at);
        const std::string item = list.substr(at, bar == std::string::npos ? bar : bar - at);
        overrides.values_[i] = static_cast<int>(IniNumber(item, kNone));
        if (bar == std::string::npos)
            break;
        at = bar + 1;
    }
    return overrides;
}

std::string TransientOverrides::Text() const {
    std::string text;
    for (int value : values_)
        text += (text.empty() ? "" : "|") + std::to_string(value);
    return text;
}

} // namespace stub
