#include "update/NotFoundPage.h"

#include "package/MessageBoxes.h"
#include "platform/FileSystem.h"

#include <algorithm>
#include <cctype>
#include <initializer_list>

namespace stub {

namespace {

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return lower;
}

// True when the (lower-case) marks occur in this order in the lower-case text.
bool InOrder(const std::string& text, std::initializer_list<std::string_view> marks) {
    std::size_t from = 0;
    for (std::string_view mark : marks) {
        std::size_t at = text.find(mark, from);
        if (at == std::string::npos)
            return false;
        from = at + mark.size();
    }
    return true;
}

} // namespace

std::string NotFoundText(const std::string& url, std::string_view page, bool mentionServer) {
    std::string text = "<B>404 File Not Found...</B><P><P>URL:  " + LiteralText(url) + "." +
                       "<P><P>Please make sure the file is available and access is allowed to "
                       "this file.";
    if (mentionServer && page.substr(0, kNotFoundPageScan).find("IIS") != std::string_view::npos)
        text += "<P><P>If you are using an IIS webserver you must define appropriate MIME-Types.";
    return text;
}

std::string NotFoundPageText(std::string_view page, const std::string& url, bool mentionServer,
                             const std::string& defaultText) {
    page = page.substr(0, kNotFoundPageScan);
    std::string lower = Lower(page);
    if (InOrder(lower, {"<title", "404", "</title>"}) ||
        InOrder(lower, {"<html>", "<head>", "<title>", "</title>"}))
        return NotFoundText(url, page, mentionServer);
    return defaultText;
}

std::string NotFoundFileText(const std::string& path, const std::string& url, bool mentionServer,
                             const std::string& defaultText) {
    return NotFoundPageText(ReadFileHead(path, kNotFoundPageScan), url, mentionServer, defaultText);
}

} // namespace stub
