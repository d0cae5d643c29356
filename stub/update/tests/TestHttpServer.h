#pragma once

#include <atomic>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace stubtest {

// What the server answers for one path.
struct Resource {
    std::string body;            // the file, or the error page
    std::string file;            // when set, the body is read from this file instead
    int status = 200;            // other than 200: an error page with the body
    std::string location;        // when set: a 302 redirect there
    bool sendLength = true;      // Content-Length; without it the body ends with the connection
    std::string lastModified;    // Last-Modified header, none when empty
    bool honourRanges = true;    // answer "Range: bytes=N-" with 206
    int rangeStatus = 0;         // when set, a ranged request gets this error status instead
    std::int64_t dropAfter = -1; // closes the connection after this many body bytes
    // When set, replaces this one once a GET without a range was answered: the file changes
    // between a download's requests.
    std::shared_ptr<const Resource> next;
};

struct RecordedRequest {
    std::string method;
    std::string path;
    std::string range;
    std::string ifRange;
    std::string userAgent;
};

// A small HTTP/1.1 server on 127.0.0.1 for tests and benchmarks: one connection at a time, one
// request per connection.
class TestHttpServer {
public:
    TestHttpServer();
    ~TestHttpServer();
    TestHttpServer(const TestHttpServer&) = delete;
    TestHttpServer& operator=(const TestHttpServer&) = delete;

    void Set(const std::string& path, const Resource& resource);
    std::string Url(const std::string& path) const;
    int Port() const { return port_; }

    std::vector<RecordedRequest> Requests() const;
    void ClearRequests();

private:
    void Serve();
    void Answer(int connection);

    int listener_ = -1;
    int wakeRead_ = -1;
    int wakeWrite_ = -1;
    int port_ = 0;
    mutable std::mutex lock_;
    std::map<std::string, Resource> resources_;
    std::vector<RecordedRequest> requests_;
    std::thread thread_;
};

} // namespace stubtest
