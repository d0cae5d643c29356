// sysConf.ini as found in the program folder: read into the shared values, or replaced by the
// default file; either way the file read back afterwards is one the client can read.
#include "config/SharedConfig.h"
#include "config/SysConf.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir home;
    if (!home.isValid())
        std::abort();
    {
        QFile file(home.filePath(QStringLiteral("sysConf.ini")));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    sharedConfig() = SharedConfig{};
    sharedConfig().programFolder = home.path();
    SysConf conf;
    // A file that could not be read was replaced by the default, which must read.
    if (!conf.LoadValues())
        std::abort();
    return 0;
}
