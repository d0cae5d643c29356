#include "app/ConsoleSetupUi.h"

#include "app/EventWait.h"
#include "app/Markup.h"
#include "update/InformAddress.h"

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

namespace {

// The message comes from a downloaded file: no escape sequences reach the terminal.
std::string Printable(const std::string& text) {
    std::string shown;
    for (char c : text)
        if (c == '\n' || c == '\t' || static_cast<unsigned char>(c) >= ' ')
            shown += c != '\x7f' ? c : ' ';
    return shown;
}

} // namespace

// Without a display nothing can be opened: the address is written out for the user to follow.
bool ConsoleSetupUi::ShowInform(const InformWindowText& inform) {
    std::cerr << inform.caption << "\n" << Printable(inform.message) << std::endl;
    if (IsOpenableAddress(inform.address))
        std::cerr << inform.button << ": " << inform.address << std::endl;
    return true;
}

} // namespace stub
