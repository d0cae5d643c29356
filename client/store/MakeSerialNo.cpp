#include "store/MakeSerialNo.h"

#include <cmath>
#include <cstdio>
#include <ctime>
#include <utility>

namespace {

int randomGroup(QRandomGenerator& random) {
    const double product = (random.generateDouble() * 10000) * (random.generateDouble() * 10000);
    return static_cast<int>(std::llround(product) % 10000);
}

// Formatted by hand: a loader makes one serial per record, and locale-aware date formatting
// would cost more than storing the record.
QString serialText(int year, int month, int day, int hour, int minute, int second, long random) {
    char text[32];
    const int size = std::snprintf(text, sizeof text, "%04d%02d%02d%02d%02d%02d%08ld", year, month,
                                   day, hour, minute, second, random);
    return QString::fromLatin1(text, size);
}

QString serialFrom(int year, int month, int day, int hour, int minute, int second,
                   QRandomGenerator& random) {
    const long first = randomGroup(random);
    const long last = randomGroup(random);
    return serialText(year, month, day, hour, minute, second, first * 10000 + last);
}

constexpr long kLastRandomDigits = 99999999;

QString serialAfter(const QString& serial) {
    const long random = serial.mid(14).toLong() + 1;
    if (random <= kLastRandomDigits)
        return serial.left(14) + QString::number(random).rightJustified(8, u'0');
    QDate date = QDate::fromString(serial.left(8), QStringLiteral("yyyyMMdd"));
    const QTime time = QTime::fromString(serial.mid(8, 6), QStringLiteral("HHmmss"));
    if (time == QTime(23, 59, 59))
        date = date.addDays(1);
    const QTime next = time.addSecs(1);
    return serialText(date.year(), date.month(), date.day(), next.hour(), next.minute(),
                      next.second(), 0);
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

SerialSequence::SerialSequence(std::function<QString()> makeSerial)
    : makeSerial_(std::move(makeSerial)) {}

QString SerialSequence::next() {
    QString serial = makeSerial_();
    if (!last_.isEmpty() && serial <= last_)
        serial = serialAfter(last_);
    last_ = serial;
    return serial;
}
