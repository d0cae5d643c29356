#pragma once

#include "package/MessageBoxes.h"

#include <istream>
#include <ostream>

namespace stub {

// Message boxes on a console: the text on the error stream, answers read from the terminal.
// Without a terminal every question takes its cancel answer.
class ConsoleMessageBoxes : public MessageBoxes {
public:
    // terminal may be null: no terminal.
    ConsoleMessageBoxes(std::istream* terminal, std::ostream& out);
    // Standard input when it is a terminal, and standard error.
    static ConsoleMessageBoxes ForProcess();

    void ShowError(const std::string& text, const std::string& caption, int charset,
                   const std::string& buttons) override;
    void ShowInfo(const std::string& text, const std::string& caption, int defaultButton,
                  int charset, const std::string& buttons) override;
    bool AskYesNo(const std::string& text, const std::string& caption, int charset,
                  const std::string& buttons) override;
    bool AskOkCancel(const std::string& text, const std::string& caption, int charset,
                     const std::string& buttons) override;

private:
    void Show(const std::string& text, const std::string& caption, const std::string& fallback);
    bool Ask(const std::string& text, const std::string& caption, const std::string& buttons,
             int yes, int no);

    std::istream* terminal_;
    std::ostream& out_;
};

} // namespace stub
