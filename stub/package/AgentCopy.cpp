#include "package/AgentCopy.h"

#include "package/ByteOrder.h"
#include "package/DosTime.h"
#include "package/OutputFile.h"
#include "package/PackageError.h"
#include "package/PackageFile.h"
#include "platform/FileTimes.h"

#include <sys/stat.h>

namespace stub {

namespace {

constexpr std::int64_t kKeptTail = 10000;
constexpr std::int64_t kIsAgentOffset = 69;

bool WriteAgentFile(const InputFile& source, const std::string& bytes,
                    const std::string& agentPath) {
    const auto when = FileModificationTime(source.Path());
    if (!WriteWholeFile(agentPath, bytes, when ? TimeToDosTime(*when) : 0, false))
        return false;
    chmod(agentPath.c_str(), 0755);
    return true;
}

} // namespace

bool WriteUpdateAgent(const InputFile& source, std::int64_t infoEnd, const PackageTrailer& trailer,
                      const std::string& agentPath) {
    std::string bytes(static_cast<std::size_t>(infoEnd), '\0');
    source.ReadExactly(0, bytes.data(), bytes.size());
    // In an ELF stub these bytes belong to the program headers, so only an MZ/PE image has a
    // marker to clear.
    if (IsExecutable(source) && bytes.size() >= 0x100)
        WriteLe32(reinterpret_cast<unsigned char*>(bytes.data()) + 0xFC, 0);
    PackageTrailer agent = trailer;
    agent.IsAgent = 1;
    agent.TrailerLength = kTrailerSize;
    auto encoded = agent.Encode();
    bytes.append(reinterpret_cast<const char*>(encoded.data()), encoded.size());
    return WriteAgentFile(source, bytes, agentPath);
}

bool WriteWebAgentCopy(const InputFile& source, const std::string& agentPath) {
    std::int64_t end = 0;
    std::int64_t field = 0;
    try {
        end = PackageEnd(source);
        const std::int64_t start = TrailerStart(source);
        if (end - start <= kIsAgentOffset)
            return false;
        field = start + kIsAgentOffset;
    } catch (const PackageError&) {
        return false;
    }
    const std::int64_t size = source.Size() - end < kKeptTail ? end : source.Size();
    std::string bytes(static_cast<std::size_t>(size), '\0');
    source.ReadExactly(0, bytes.data(), bytes.size());
    bytes[static_cast<std::size_t>(field)] = 1;
    return WriteAgentFile(source, bytes, agentPath);
}

} // namespace stub
