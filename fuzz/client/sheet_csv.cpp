// The .csv sheet reader on any bytes: whatever the encoding, quotes and separators, it ends with
// a table or a message.
#include "sheets/CsvReader.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    parseCsvSheet(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)),
                  QStringLiteral("input.csv"));
    return 0;
}
