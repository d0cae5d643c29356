#include "MakeSerialNo.h"

#include <cmath>

namespace {

QString randomGroup(QRandomGenerator& random) {
    const double product = (random.generateDouble() * 10000) * (random.generateDouble() * 10000);
    const auto group = static_cast<long long>(std::llround(product)) % 10000;
    return QStringLiteral("%1").arg(group, 4, 10, QLatin1Char('0'));
}

} // namespace

QString MakeSerialNo(const QDateTime& now, QRandomGenerator& random) {
    const QString first = randomGroup(random);
    return now.toString(QStringLiteral("yyyyMMddHHmmss")) + first + randomGroup(random);
}

QString MakeSerialNo() {
    return MakeSerialNo(QDateTime::currentDateTime(), *QRandomGenerator::global());
}
