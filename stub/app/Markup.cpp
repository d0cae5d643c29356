#include "app/Markup.h"

#include "package/LanguageDefaults.h"
#include "package/ListText.h"
#include "package/MessageBoxes.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace stub {

namespace {

std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

} // namespace

MarkedText ApplyMarkup(const std::string& markup) {
    MarkedText result;
    std::string& text = result.text;
    std::size_t boldFrom = std::string::npos; // where an open bold range began
    const auto at = [&markup](std::size_t i, const char* tag) {
        return markup.size() - i >= std::strlen(tag) &&
               FindNoCase(markup.substr(i, std::strlen(tag)), tag) == 0;
    };
    std::size_t i = markup.rfind("<<", 0) == 0 && at(1, "<b>") ? 1 : 0;
    while (i < markup.size()) {
        if (markup[i] == kLiteralMark && i + 1 < markup.size()) {
            text += markup[i + 1];
            i += 2;
        } else if (at(i, "\\n") || at(i, "<P>")) {
            text += "\r\n";
            i += markup[i] == '<' ? 3 : 2;
        } else if (at(i, "\\t") || at(i, "<T>")) {
            text += '\t';
            i += markup[i] == '<' ? 3 : 2;
        } else if (at(i, "<B>")) {
            if (boldFrom == std::string::npos)
                boldFrom = text.size();
            i += 3;
        } else if (at(i, "</B>")) {
            if (boldFrom != std::string::npos)
                result.bold.emplace_back(boldFrom, text.size());
            boldFrom = std::string::npos;
            i += 4;
        } else {
            text += markup[i++];
        }
    }
    return result;
}

std::string WithCaptionOnTop(const std::string& text, const std::string& caption) {
    const bool standard = caption == "Error" || caption == "Attention" || caption == "Confirm";
    return "<<b>" + (standard ? Upper(caption) : caption) + "</b><P><P>" + text + "<P>";
}

std::string ButtonLabel(const std::string& buttons, int index) {
    std::string label = ListItem(buttons.empty() ? kDefaultButtons : buttons, index);
    return label.empty() ? ListItem(kDefaultButtons, index) : label;
}

std::string ButtonCaption(const std::string& buttons, int index) {
    std::string caption = ButtonLabel(buttons, index);
    caption.erase(std::remove(caption.begin(), caption.end(), '&'), caption.end());
    return caption;
}

} // namespace stub
