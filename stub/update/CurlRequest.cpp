#include "update/CurlRequest.h"

#include <mutex>
#include <string>

namespace stub {

namespace {

constexpr long kConnectTimeoutSeconds = 30;
constexpr long kLowSpeedSeconds = 60;
constexpr long kMaxRedirects = 10;

// File names may hold blanks, which an address cannot carry as they are.
std::string BlanksEncoded(const std::string& url) {
    std::string encoded;
    for (char c : url)
        encoded += c == ' ' ? std::string("%20") : std::string(1, c);
    return encoded;
}

bool GlobalInit() {
    static std::once_flag once;
    static bool ok = false;
    std::call_once(once, [] { ok = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK; });
    return ok;
}

} // namespace

CurlRequest::CurlRequest(const std::string& url, const char* agentName, bool httpsOnly)
    : handle_(GlobalInit() ? curl_easy_init() : nullptr) {
    if (!handle_)
        return;
    curl_easy_setopt(handle_, CURLOPT_URL, BlanksEncoded(url).c_str());
    curl_easy_setopt(handle_, CURLOPT_USERAGENT, agentName);
    const char* protocols = httpsOnly ? "https" : "http,https";
    curl_easy_setopt(handle_, CURLOPT_PROTOCOLS_STR, protocols);
    curl_easy_setopt(handle_, CURLOPT_REDIR_PROTOCOLS_STR, protocols);
    curl_easy_setopt(handle_, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(handle_, CURLOPT_MAXREDIRS, kMaxRedirects);
    curl_easy_setopt(handle_, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(handle_, CURLOPT_SSL_VERIFYHOST, 2L);
    curl_easy_setopt(handle_, CURLOPT_CONNECTTIMEOUT, kConnectTimeoutSeconds);
    curl_easy_setopt(handle_, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(handle_, CURLOPT_LOW_SPEED_TIME, kLowSpeedSeconds);
    curl_easy_setopt(handle_, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(handle_, CURLOPT_FILETIME, 1L);
}

CurlRequest::~CurlRequest() {
    if (handle_)
        curl_easy_cleanup(handle_);
}

std::string CurlRequest::Header(const char* name) const {
    curl_header* header = nullptr;
    if (curl_easy_header(handle_, name, 0, CURLH_HEADER, -1, &header) != CURLHE_OK || !header)
        return {};
    return header->value;
}

} // namespace stub
