#pragma once

#include <string>
#include <string_view>

namespace stub {

// How many leading bytes of a page are looked at.
constexpr std::size_t kNotFoundPageScan = 10000;

// The text that tells the user an address gave no file; with mentionServer and a page naming
// IIS, the hint about MIME types follows.
std::string NotFoundText(const std::string& url, std::string_view page, bool mentionServer);

// defaultText, or the not-found text when the first bytes of the page look like a web server's
// error page.
std::string NotFoundPageText(std::string_view page, const std::string& url, bool mentionServer,
                             const std::string& defaultText);

// The same for the first bytes of a file; a missing file is no page.
std::string NotFoundFileText(const std::string& path, const std::string& url, bool mentionServer,
                             const std::string& defaultText);

} // namespace stub
