#include "app/ConsoleMessageBoxes.h"

#include "app/Markup.h"
#include "package/ListText.h"

#include <iostream>
#include <unistd.h>

namespace stub {

namespace {

std::string ConsoleText(const std::string& markup) {
    std::string text = ApplyMarkup(markup).text;
    std::string lines;
    for (char c : text)
        if (c != '\r')
            lines += c;
    return lines;
}

} // namespace

ConsoleMessageBoxes::ConsoleMessageBoxes(std::istream* terminal, std::ostream& out)
    : terminal_(terminal)
    , out_(out) {}

ConsoleMessageBoxes ConsoleMessageBoxes::ForProcess() {
    return ConsoleMessageBoxes(isatty(STDIN_FILENO) ? &std::cin : nullptr, std::cerr);
}

void ConsoleMessageBoxes::Show(const std::string& text, const std::string& caption,
                               const std::string& fallback) {
    out_ << ConsoleText(WithCaptionOnTop(text, caption.empty() ? fallback : caption)) << std::flush;
}

bool ConsoleMessageBoxes::Ask(const std::string& text, const std::string& caption,
                              const std::string& buttons, int yes, int no) {
    Show(text, caption, "Confirm");
    const std::string positive = ButtonCaption(buttons, yes);
    out_ << "[" << positive << " / " << ButtonCaption(buttons, no) << "] " << std::flush;
    std::string answer;
    if (!terminal_ || !std::getline(*terminal_, answer)) {
        out_ << '\n';
        return false;
    }
    answer = Trim(answer);
    return !answer.empty() &&
           (EqualsNoCase(answer, positive) || EqualsNoCase(answer, "y") ||
            EqualsNoCase(answer, "yes") || EqualsNoCase(answer, positive.substr(0, 1)));
}

void ConsoleMessageBoxes::ShowError(const std::string& text, const std::string& caption, int,
                                    const std::string&) {
    Show(text, caption, "Error");
}

void ConsoleMessageBoxes::ShowInfo(const std::string& text, const std::string& caption, int, int,
                                   const std::string&) {
    Show(text, caption, "Attention");
}

bool ConsoleMessageBoxes::AskYesNo(const std::string& text, const std::string& caption, int,
                                   const std::string& buttons) {
    return Ask(text, caption, buttons, 2, 3);
}

bool ConsoleMessageBoxes::AskOkCancel(const std::string& text, const std::string& caption, int,
                                      const std::string& buttons) {
    return Ask(text, caption, buttons, 0, 1);
}

} // namespace stub
