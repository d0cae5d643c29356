#include "update/Connectivity.h"

#include <curl/curl.h>

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstring>

namespace stub {

namespace {

std::string HostOf(const std::string& url) {
    std::string host;
    CURLU* parsed = curl_url();
    if (!parsed)
        return host;
    char* part = nullptr;
    if (curl_url_set(parsed, CURLUPART_URL, url.c_str(), 0) == CURLUE_OK &&
        curl_url_get(parsed, CURLUPART_HOST, &part, 0) == CURLUE_OK && part) {
        host = part;
        curl_free(part);
    }
    curl_url_cleanup(parsed);
    std::transform(host.begin(), host.end(), host.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    if (host.size() > 2 && host.front() == '[' && host.back() == ']')
        host = host.substr(1, host.size() - 2);
    return host;
}

std::string AddressText(const sockaddr* address) {
    char text[INET6_ADDRSTRLEN] = {};
    if (address->sa_family == AF_INET)
        inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in*>(address)->sin_addr, text,
                  sizeof text);
    else if (address->sa_family == AF_INET6)
        inet_ntop(AF_INET6, &reinterpret_cast<const sockaddr_in6*>(address)->sin6_addr, text,
                  sizeof text);
    return text;
}

bool IsLoopbackName(const std::string& host) {
    if (host == "localhost" || host == "::1" || host.starts_with("127."))
        return true;
    if (host.size() > 10 && host.ends_with(".localhost"))
        return true;
    char name[256] = {};
    return gethostname(name, sizeof name - 1) == 0 && host == name;
}

} // namespace

bool IsConnected(const std::string& url) {
    std::string host = HostOf(url);
    if (!host.empty() && IsLoopbackName(host))
        return true;
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0)
        return false;
    bool connected = false;
    for (ifaddrs* entry = list; entry && !connected; entry = entry->ifa_next) {
        if (!entry->ifa_addr || !(entry->ifa_flags & IFF_UP))
            continue;
        int family = entry->ifa_addr->sa_family;
        if (family != AF_INET && family != AF_INET6)
            continue;
        if (!(entry->ifa_flags & IFF_LOOPBACK) ||
            (!host.empty() && AddressText(entry->ifa_addr) == host))
            connected = true;
    }
    freeifaddrs(list);
    return connected;
}

} // namespace stub
