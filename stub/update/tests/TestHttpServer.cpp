#include "update/tests/TestHttpServer.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace stubtest {

namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

bool SendAll(int connection, const char* data, std::size_t size) {
    while (size > 0) {
        ssize_t sent = ::send(connection, data, size, MSG_NOSIGNAL);
        if (sent <= 0)
            return false;
        data += sent;
        size -= std::size_t(sent);
    }
    return true;
}

bool SendAll(int connection, const std::string& text) {
    return SendAll(connection, text.data(), text.size());
}

// Reads up to the blank line that ends the request head.
std::string ReadHead(int connection) {
    std::string head;
    char buffer[4096];
    while (head.find("\r\n\r\n") == std::string::npos && head.size() < 65536) {
        pollfd ready{connection, POLLIN, 0};
        if (::poll(&ready, 1, 10000) <= 0)
            return {};
        ssize_t got = ::recv(connection, buffer, sizeof buffer, 0);
        if (got <= 0)
            return {};
        head.append(buffer, std::size_t(got));
    }
    return head;
}

RecordedRequest ParseHead(const std::string& head) {
    RecordedRequest request;
    std::size_t lineEnd = head.find("\r\n");
    std::string first = head.substr(0, lineEnd);
    std::size_t space = first.find(' ');
    request.method = first.substr(0, space);
    request.path = first.substr(space + 1, first.find(' ', space + 1) - space - 1);
    for (std::size_t at = lineEnd + 2; at < head.size();) {
        std::size_t end = head.find("\r\n", at);
        std::string line = head.substr(at, end - at);
        at = end + 2;
        std::size_t colon = line.find(':');
        if (colon == std::string::npos)
            continue;
        std::string name = Lower(line.substr(0, colon));
        std::string value = line.substr(line.find_first_not_of(' ', colon + 1));
        if (name == "range")
            request.range = value;
        else if (name == "if-range")
            request.ifRange = value;
        else if (name == "user-agent")
            request.userAgent = value;
    }
    return request;
}

} // namespace

TestHttpServer::TestHttpServer() {
    listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    int one = 1;
    ::setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    int pipeEnds[2];
    if (::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listener_, 16) != 0 ||
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0 ||
        ::pipe2(pipeEnds, O_CLOEXEC) != 0)
        throw std::runtime_error("test HTTP server cannot listen on 127.0.0.1");
    port_ = ntohs(address.sin_port);
    wakeRead_ = pipeEnds[0];
    wakeWrite_ = pipeEnds[1];
    thread_ = std::thread([this] { Serve(); });
}

TestHttpServer::~TestHttpServer() {
    char stop = 0;
    [[maybe_unused]] ssize_t written = ::write(wakeWrite_, &stop, 1);
    thread_.join();
    ::close(listener_);
    ::close(wakeRead_);
    ::close(wakeWrite_);
}

void TestHttpServer::Set(const std::string& path, const Resource& resource) {
    std::lock_guard<std::mutex> guard(lock_);
    resources_[path] = resource;
}

std::string TestHttpServer::Url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + path;
}

std::vector<RecordedRequest> TestHttpServer::Requests() const {
    std::lock_guard<std::mutex> guard(lock_);
    return requests_;
}

void TestHttpServer::ClearRequests() {
    std::lock_guard<std::mutex> guard(lock_);
    requests_.clear();
}

void TestHttpServer::Serve() {
    for (;;) {
        pollfd ready[2] = {{listener_, POLLIN, 0}, {wakeRead_, POLLIN, 0}};
        if (::poll(ready, 2, -1) < 0)
            continue;
        if (ready[1].revents)
            return;
        int connection = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        if (connection < 0)
            continue;
        Answer(connection);
        ::shutdown(connection, SHUT_RDWR);
        ::close(connection);
    }
}

void TestHttpServer::Answer(int connection) {
    std::string head = ReadHead(connection);
    if (head.empty())
        return;
    RecordedRequest request = ParseHead(head);
    Resource resource;
    bool known;
    {
        std::lock_guard<std::mutex> guard(lock_);
        requests_.push_back(request);
        auto found = resources_.find(request.path);
        known = found != resources_.end();
        if (known) {
            resource = found->second;
            if (resource.next && request.method == "GET" && request.range.empty())
                found->second = *resource.next;
        }
    }
    if (!known) {
        resource.status = 404;
        resource.body = "<html><head><title>404 Not Found</title></head></html>";
    }
    if (!resource.location.empty()) {
        SendAll(connection, "HTTP/1.1 302 Found\r\nLocation: " + resource.location +
                                "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
        return;
    }
    int file = -1;
    std::int64_t total = std::int64_t(resource.body.size());
    if (!resource.file.empty()) {
        file = ::open(resource.file.c_str(), O_RDONLY | O_CLOEXEC);
        struct stat info {};
        if (file < 0 || ::fstat(file, &info) != 0)
            return;
        total = info.st_size;
    }
    std::int64_t from = 0;
    int status = resource.status;
    if (status == 200 && resource.rangeStatus != 0 && !request.range.empty())
        status = resource.rangeStatus;
    if (status == 200 && resource.honourRanges && request.range.starts_with("bytes=")) {
        bool current = request.ifRange.empty() || request.ifRange == resource.lastModified;
        std::int64_t wanted = std::stoll(request.range.substr(6));
        if (current && wanted < total) {
            from = wanted;
            status = 206;
        }
    }
    std::string answer = "HTTP/1.1 " + std::to_string(status) +
                         (status == 200   ? " OK"
                          : status == 206 ? " Partial Content"
                                          : " Error") +
                         "\r\nConnection: close\r\nContent-Type: " +
                         (status >= 400 ? "text/html" : "application/octet-stream") + "\r\n";
    if (resource.sendLength)
        answer += "Content-Length: " + std::to_string(total - from) + "\r\n";
    if (status == 206)
        answer += "Content-Range: bytes " + std::to_string(from) + "-" + std::to_string(total - 1) +
                  "/" + std::to_string(total) + "\r\n";
    if (!resource.lastModified.empty())
        answer += "Last-Modified: " + resource.lastModified + "\r\n";
    if (resource.honourRanges)
        answer += "Accept-Ranges: bytes\r\n";
    answer += "\r\n";
    if (!SendAll(connection, answer) || request.method == "HEAD") {
        if (file >= 0)
            ::close(file);
        return;
    }
    std::int64_t end = total;
    if (resource.dropAfter >= 0)
        end = std::min(total, from + resource.dropAfter);
    std::string buffer(1 << 16, '\0');
    for (std::int64_t at = from; at < end;) {
        std::size_t piece =
            std::size_t(std::min<std::int64_t>(end - at, std::int64_t(buffer.size())));
        const char* data = resource.body.data() + at;
        if (file >= 0) {
            ssize_t got = ::pread(file, buffer.data(), piece, at);
            if (got <= 0)
                break;
            piece = std::size_t(got);
            data = buffer.data();
        }
        if (!SendAll(connection, data, piece))
            break;
        at += std::int64_t(piece);
    }
    if (file >= 0)
        ::close(file);
}

} // namespace stubtest
