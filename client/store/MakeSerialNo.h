#pragma once

#include <QDateTime>
#include <QRandomGenerator>
#include <QString>

// The 22-character key of a batch instruction: local time as yyyyMMddHHmmss and two random
// groups of four digits, so ordering by it is ordering by creation time.
QString MakeSerialNo(const QDateTime& now, QRandomGenerator& random);
QString MakeSerialNo();
