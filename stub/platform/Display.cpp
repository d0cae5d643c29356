#include "platform/Display.h"

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace stub {

namespace {

bool Connects(const std::string& path, bool abstract) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::size_t offset = abstract ? 1 : 0;
    if (path.size() + offset >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path + offset, path.data(), path.size());
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    // A path counts its closing NUL, an abstract name its leading one.
    const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + path.size() + 1);
    const bool connected = connect(fd, reinterpret_cast<sockaddr*>(&address), length) == 0;
    close(fd);
    return connected;
}

bool XServerAnswers(const std::string& display) {
    const auto colon = display.rfind(':');
    if (colon == std::string::npos)
        return false;
    const std::string host = display.substr(0, colon);
    if (!host.empty() && host != "unix" && host.front() != '/')
        return true;
    const std::string number = display.substr(colon + 1, display.find('.', colon) - colon - 1);
    const std::string socket = "/tmp/.X11-unix/X" + number;
    return Connects(socket, false) || Connects(socket, true);
}

} // namespace

bool DisplayReachable() {
    const char* x = std::getenv("DISPLAY");
    if (x && *x && XServerAnswers(x))
        return true;
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    if (!wayland || !*wayland)
        return false;
    std::string path = wayland;
    if (path.front() != '/') {
        const char* runtime = std::getenv("XDG_RUNTIME_DIR");
        path = std::string(runtime ? runtime : "") + "/" + path;
    }
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISSOCK(st.st_mode);
}

} // namespace stub
