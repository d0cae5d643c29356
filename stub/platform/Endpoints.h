#pragma once

#include <QLocalServer>
#include <QObject>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <sys/types.h>

namespace stub {

// A window of a class, seen from other processes of the same user: a Unix-domain socket in the
// runtime folder whose file name is a hash of the class name (a class may be a whole path).
struct EndpointMessage {
    std::uint32_t message = 0;
    std::int64_t wParam = 0;
    std::int64_t lParam = 0;
    pid_t peer = 0; // the sender's process id, from SO_PEERCRED
};

// Answers a message; the result is the reply of a send and dropped for a post.
using EndpointHandler = std::function<std::int64_t(const EndpointMessage&)>;

std::string EndpointPath(const std::string& runtime, const std::string& className);

// A window of this class exists: its endpoint accepts a connection.
bool EndpointExists(const std::string& runtime, const std::string& className);
// Sends without waiting for a reply; true when it was delivered to a listening endpoint.
bool PostEndpointMessage(const std::string& runtime, const std::string& className,
                         std::uint32_t message, std::int64_t wParam, std::int64_t lParam);
// Sends and waits up to timeoutMs for the 64-bit reply.
std::optional<std::int64_t> SendEndpointMessage(const std::string& runtime,
                                                const std::string& className, std::uint32_t message,
                                                std::int64_t wParam, std::int64_t lParam,
                                                int timeoutMs = 5000);

// Listens as the window of a class for as long as it lives; messages are answered from the Qt
// event loop. Peers of another user are refused.
class Endpoint : public QObject {
    Q_OBJECT
public:
    Endpoint(std::string runtime, std::string className, EndpointHandler handler = {});
    ~Endpoint() override;

    // False when a live endpoint of the class already exists or listening fails; a socket file
    // left behind by a crash is removed first.
    bool Listen();
    const std::string& ClassName() const { return className_; }

private:
    void Accept();

    std::string runtime_;
    std::string className_;
    EndpointHandler handler_;
    QLocalServer server_;
};

} // namespace stub
