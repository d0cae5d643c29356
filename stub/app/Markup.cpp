#include "app/Markup.h"

#include "package/LanguageDefaults.h"
#include "package/ListText.h"

#include <algorithm>
#include <cctype>

namespace stub {

namespace {

std::string ReplaceNoCase(std::string text, const std::string& from, const std::string& to) {
    for (auto at = FindNoCase(text, from); at != std::string::npos;
         at = FindNoCase(text, from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

} // namespace

MarkedText ApplyMarkup(const std::string& markup) {
    std::string text = markup;
    text = ReplaceNoCase(text, "\\n", "\r\n");
    text = ReplaceNoCase(text, "\\t", "\t");
    text = ReplaceNoCase(text, "<P>", "\r\n");
    text = ReplaceNoCase(text, "<T>", "\t");
    if (text.rfind("<<b>", 0) == 0 || text.rfind("<<B>", 0) == 0)
        text.erase(0, 1);
    MarkedText result;
    for (;;) {
        auto open = FindNoCase(text, "<B>");
        auto close = FindNoCase(text, "</B>");
        if (close != std::string::npos && (open == std::string::npos || close < open)) {
            text.erase(close, 4);
            continue;
        }
        if (open == std::string::npos)
            break;
        text.erase(open, 3);
        close = FindNoCase(text, "</B>", open);
        if (close == std::string::npos)
            break;
        text.erase(close, 4);
        result.bold.emplace_back(open, close);
    }
    result.text = text;
    return result;
}

std::string WithCaptionOnTop(const std::string& text, const std::string& caption) {
    const bool standard = caption == "Error" || caption == "Attention" || caption == "Confirm";
    return "<<b>" + (standard ? Upper(caption) : caption) + "</b><P><P>" + text + "<P>";
}

std::string ButtonCaption(const std::string& buttons, int index) {
    std::string caption = ListItem(buttons.empty() ? kDefaultButtons : buttons, index);
    if (caption.empty())
        caption = ListItem(kDefaultButtons, index);
    caption.erase(std::remove(caption.begin(), caption.end(), '&'), caption.end());
    return caption;
}

} // namespace stub
