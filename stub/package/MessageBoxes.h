#pragma once

#include <string>

namespace stub {

// The four kinds of message box; every user text of the stub passes through them. Texts use the
// box markup (<P>, <T>, <B>...</B>). An empty caption or button list takes the kind's default.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual void ShowError(const std::string& text, const std::string& caption, int charset,
                           const std::string& buttons) = 0;
    virtual void ShowInfo(const std::string& text, const std::string& caption, int defaultButton,
                          int charset, const std::string& buttons) = 0;
    virtual bool AskYesNo(const std::string& text, const std::string& caption, int charset,
                          const std::string& buttons) = 0;
    virtual bool AskOkCancel(const std::string& text, const std::string& caption, int charset,
                             const std::string& buttons) = 0;
};

// Marks text from outside (a path, a name, a URL, a server's message) so that the box shows it as
// it stands: the markup is applied to the program's own texts only.
constexpr char kLiteralMark = '\x1b';
inline std::string LiteralText(const std::string& outside) {
    std::string text;
    for (char c : outside) {
        if (c == '<' || c == '\\' || c == kLiteralMark)
            text += kLiteralMark;
        text += c;
    }
    return text;
}

} // namespace stub
