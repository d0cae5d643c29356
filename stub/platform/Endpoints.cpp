#include "platform/Endpoints.h"

#include "platform/NameHash.h"

#include <QLocalSocket>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace stub {

namespace {

constexpr int kFrameSize = 21;
constexpr char kPost = 'P';
constexpr char kSend = 'S';

void PutLe(unsigned char* out, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out[i] = static_cast<unsigned char>(value >> (8 * i));
}

std::uint64_t GetLe(const unsigned char* in, int bytes) {
    std::uint64_t value = 0;
    for (int i = 0; i < bytes; ++i)
        value |= std::uint64_t(in[i]) << (8 * i);
    return value;
}

// A connected client socket, closed when it goes out of scope.
class Connection {
public:
    explicit Connection(const std::string& path) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        if (path.size() >= sizeof address.sun_path)
            return;
        std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
        fd_ = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd_ >= 0 && connect(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
            close(fd_);
            fd_ = -1;
        }
    }
    ~Connection() {
        if (fd_ >= 0)
            close(fd_);
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    bool Ok() const { return fd_ >= 0; }

    bool Write(const unsigned char* data, std::size_t length) {
        while (length > 0) {
            ssize_t done = send(fd_, data, length, MSG_NOSIGNAL);
            if (done < 0 && errno == EINTR)
                continue;
            if (done <= 0)
                return false;
            data += done;
            length -= static_cast<std::size_t>(done);
        }
        return true;
    }

    bool Read(unsigned char* data, std::size_t length, int timeoutMs) {
        while (length > 0) {
            pollfd wait{fd_, POLLIN, 0};
            int ready = poll(&wait, 1, timeoutMs);
            if (ready < 0 && errno == EINTR)
                continue;
            if (ready <= 0)
                return false;
            ssize_t got = recv(fd_, data, length, 0);
            if (got <= 0)
                return false;
            data += got;
            length -= static_cast<std::size_t>(got);
        }
        return true;
    }

private:
    int fd_ = -1;
};

bool Deliver(const std::string& runtime, const std::string& className, char kind,
             std::uint32_t message, std::int64_t wParam, std::int64_t lParam, std::int64_t* reply,
             int timeoutMs) {
    Connection connection(EndpointPath(runtime, className));
    if (!connection.Ok())
        return false;
    unsigned char frame[kFrameSize];
    frame[0] = static_cast<unsigned char>(kind);
    PutLe(frame + 1, message, 4);
    PutLe(frame + 5, static_cast<std::uint64_t>(wParam), 8);
    PutLe(frame + 13, static_cast<std::uint64_t>(lParam), 8);
    if (!connection.Write(frame, sizeof frame))
        return false;
    if (!reply)
        return true;
    unsigned char answer[8];
    if (!connection.Read(answer, sizeof answer, timeoutMs))
        return false;
    *reply = static_cast<std::int64_t>(GetLe(answer, 8));
    return true;
}

// Holds an exclusive lock on the class's lock file, so that two processes starting at once do
// not both take the class.
class ClassLock {
public:
    explicit ClassLock(const std::string& path)
        : fd_(open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600)) {
        if (fd_ >= 0 && flock(fd_, LOCK_EX) != 0) {
            close(fd_);
            fd_ = -1;
        }
    }
    ~ClassLock() {
        if (fd_ >= 0)
            close(fd_);
    }
    ClassLock(const ClassLock&) = delete;
    ClassLock& operator=(const ClassLock&) = delete;
    bool Ok() const { return fd_ >= 0; }

private:
    int fd_;
};

} // namespace

std::string EndpointPath(const std::string& runtime, const std::string& className) {
    return runtime + "w-" + NameHash(className);
}

bool EndpointExists(const std::string& runtime, const std::string& className) {
    return Connection(EndpointPath(runtime, className)).Ok();
}

bool PostEndpointMessage(const std::string& runtime, const std::string& className,
                         std::uint32_t message, std::int64_t wParam, std::int64_t lParam) {
    return Deliver(runtime, className, kPost, message, wParam, lParam, nullptr, 0);
}

std::optional<std::int64_t> SendEndpointMessage(const std::string& runtime,
                                                const std::string& className, std::uint32_t message,
                                                std::int64_t wParam, std::int64_t lParam,
                                                int timeoutMs) {
    std::int64_t reply = 0;
    if (!Deliver(runtime, className, kSend, message, wParam, lParam, &reply, timeoutMs))
        return std::nullopt;
    return reply;
}

Endpoint::Endpoint(std::string runtime, std::string className, EndpointHandler handler)
    : runtime_(std::move(runtime))
    , className_(std::move(className))
    , handler_(std::move(handler)) {
    connect(&server_, &QLocalServer::newConnection, this, &Endpoint::Accept);
}

Endpoint::~Endpoint() {
    server_.close();
}

bool Endpoint::Listen() {
    const std::string path = EndpointPath(runtime_, className_);
    ClassLock lock(path + ".lock");
    if (!lock.Ok() || EndpointExists(runtime_, className_))
        return false;
    QLocalServer::removeServer(QString::fromStdString(path));
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    return server_.listen(QString::fromStdString(path));
}

void Endpoint::Accept() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        ucred peer{};
        socklen_t size = sizeof peer;
        if (getsockopt(static_cast<int>(socket->socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &peer,
                       &size) != 0 ||
            peer.uid != getuid()) {
            socket->abort();
            continue;
        }
        auto serve = [this, socket, peer] {
            if (socket->bytesAvailable() < kFrameSize)
                return;
            unsigned char frame[kFrameSize];
            socket->read(reinterpret_cast<char*>(frame), kFrameSize);
            EndpointMessage message;
            message.message = static_cast<std::uint32_t>(GetLe(frame + 1, 4));
            message.wParam = static_cast<std::int64_t>(GetLe(frame + 5, 8));
            message.lParam = static_cast<std::int64_t>(GetLe(frame + 13, 8));
            message.peer = peer.pid;
            const std::int64_t reply = handler_ ? handler_(message) : 0;
            if (frame[0] == kSend) {
                unsigned char answer[8];
                PutLe(answer, static_cast<std::uint64_t>(reply), 8);
                socket->write(reinterpret_cast<const char*>(answer), sizeof answer);
                socket->flush();
            }
            socket->disconnectFromServer();
        };
        connect(socket, &QLocalSocket::readyRead, this, serve);
        serve();
    }
}

} // namespace stub
