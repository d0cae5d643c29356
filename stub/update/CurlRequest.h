#pragma once

#include <curl/curl.h>

#include <string>

namespace stub {

// One libcurl easy handle, set up the way every request of the stub goes out: only http and
// https, or https alone when httpsOnly (also on redirects), redirects followed, certificates
// verified, connect and low-speed time-outs so that a dead server does not hang the agent.
class CurlRequest {
public:
    CurlRequest(const std::string& url, const char* agentName, bool httpsOnly);
    ~CurlRequest();
    CurlRequest(const CurlRequest&) = delete;
    CurlRequest& operator=(const CurlRequest&) = delete;

    explicit operator bool() const { return handle_ != nullptr; }
    CURL* get() const { return handle_; }

    // The value of a header of the last response, empty when it has none.
    std::string Header(const char* name) const;

private:
    CURL* handle_;
};

} // namespace stub
