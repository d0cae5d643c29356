#pragma once

#include <array>

namespace stub {

// Six values given for one run of the working agent, each overriding the description: 1 force
// the probe question, 2 confirm before download, 3 confirm before install, 4 background update,
// 5 inform when finished, 6 restart the product. 255 leaves the description's value.
class TransientOverrides {
public:
    static constexpr int kNone = 255;
    enum Item {
        ProbeQuestion = 1,
        ConfirmDownload,
        ConfirmInstall,
        Background,
        InformFinish,
        Restart
    };

    void Set(Item item, int value) { values_[item - 1] = value; }
    int Get(Item item) const { return values_[item - 1]; }
    bool Apply(Item item, bool fromDescription) const {
        const int value = Get(item);
        return value == kNone ? fromDescription : value == 1;
    }

private:
    std::array<int, 6> values_{kNone, kNone, kNone, kNone, kNone, kNone};
};

} // namespace stub
