#include "update/UpdateSize.h"

#include "update/HttpDownload.h"
#include "update/UpdateNames.h"

#include <filesystem>

namespace stub {

std::int64_t UpdateFileSize(const std::string& base, const std::string& name,
                            bool descriptionWasLocal, bool networkAllowed, bool httpsOnly,
                            const LogSink& log) {
    if (IsLocalBase(base, descriptionWasLocal)) {
        std::error_code error;
        const std::filesystem::path local = LocalSource(base, name);
        if (std::filesystem::is_regular_file(local, error)) {
            const auto size = std::filesystem::file_size(local, error);
            return error ? -1 : static_cast<std::int64_t>(size);
        }
    }
    if (!networkAllowed)
        return -1;
    return HttpGetFileSize(base + "/" + name, log, httpsOnly);
}

} // namespace stub
