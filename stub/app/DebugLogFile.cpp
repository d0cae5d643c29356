#include "app/DebugLogFile.h"

#include "platform/Programs.h"

#include <QDateTime>

#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

namespace stub {

std::string DebugLogPath(const std::string& ownPath) {
    const std::filesystem::path own(ownPath);
    std::string name = own.filename().string();
    if (name.rfind("X_", 0) != 0)
        name = "X_" + name;
    return (own.parent_path() / std::filesystem::path(name).replace_extension(".log")).string();
}

LogSink DebugLogFile(const std::string& path, bool workingAgent) {
    const std::string prefix = workingAgent ? " X " : "   ";
    return [path, prefix](const std::string& text) {
        char thread[16];
        std::snprintf(thread, sizeof thread, "%5ld", ThreadId());
        const std::string line =
            QDateTime::currentDateTime().toString("yyyy-MM-dd HH:mm:ss").toStdString() + " " +
            thread + prefix + text + "\r\n";
        const int fd =
            open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0)
            return;
        // A log line that cannot be written is dropped: the log never stops the agent.
        [[maybe_unused]] const auto written = write(fd, line.data(), line.size());
        close(fd);
    };
}

} // namespace stub
