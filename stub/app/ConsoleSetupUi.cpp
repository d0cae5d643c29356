#include "app/ConsoleSetupUi.h"

#include "app/EventWait.h"
#include "app/Markup.h"

#include <iostream>

namespace stub {

ConsoleSetupUi::ConsoleSetupUi()
    : boxes_(ConsoleMessageBoxes::ForProcess()) {}

void ConsoleSetupUi::SetProgressText(const std::string& text, const LanguageFont&) {
    text_ = ApplyMarkup(text).text;
}

void ConsoleSetupUi::ShowProgress(bool shown) {
    if (shown && !shown_ && !text_.empty())
        std::cerr << text_ << std::endl;
    shown_ = shown;
}

void ConsoleSetupUi::Wait(int ms) {
    PumpFor(ms);
}

} // namespace stub
