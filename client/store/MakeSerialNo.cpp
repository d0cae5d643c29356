#include "MakeSerialNo.h"

#include <cmath>
#include <cstdio>
#include <ctime>

namespace {

int randomGroup(QRandomGenerator& random) {
    const double product = (random.generateDouble() * 10000) * (random.generateDouble() * 10000);
    return static_cast<int>(std::llround(product) % 10000);
}

// Formatted by hand: a loader makes one serial per record, and locale-aware date formatting
// would cost more than storing the record.
QString serialFrom(int year, int month, int day, int hour, int minute, int second,
                   QRandomGenerator& random) {
    const int first = randomGroup(random);
    const int last = randomGroup(random);
    char text[32];
    const int size = std::snprintf(text, sizeof text, "%04d%02d%02d%02d%02d%02d%04d%04d", year,
                                   month, day, hour, minute, second, first, last);
    return QString::fromLatin1(text, size);
}

} // namespace

QString MakeSerialNo(const QDateTime& now, QRandomGenerator& random) {
    const QDate date = now.date();
    const QTime time = now.time();
    return serialFrom(date.year(), date.month(), date.day(), time.hour(), time.minute(),
                      time.second(), random);
}

QString MakeSerialNo() {
    // localtime_r, unlike the Qt clock, does not look at the zone file again on every call.
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return serialFrom(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                      local.tm_min, local.tm_sec, *QRandomGenerator::global());
}
