#include "app/QtSetupUi.h"

#include "app/EventWait.h"
#include "app/InformWindow.h"

namespace stub {

QtSetupUi::QtSetupUi(const std::string& caption, const LanguageFont& font)
    : boxes_(font)
    , window_(caption) {}

void QtSetupUi::SetProgressText(const std::string& text, const LanguageFont& font) {
    window_.SetText(text, font);
}

OnProgress QtSetupUi::ProgressCallback() {
    return [this](int kind, std::int64_t low, std::int64_t high, bool&, int step,
                  std::int64_t position) {
        window_.OnProgress(kind, low, high, step, position);
    };
}

void QtSetupUi::Wait(int ms) {
    PumpFor(ms);
}

bool QtSetupUi::ShowInform(const InformWindowText& inform) {
    InformWindow window(inform, OpenInformAddress);
    return window.exec() == QDialog::Accepted;
}

} // namespace stub
