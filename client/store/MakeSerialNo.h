#pragma once

#include <QDateTime>
#include <QRandomGenerator>
#include <QString>

#include <functional>

// The 22-character key of a batch instruction: local time as yyyyMMddHHmmss and two random
// groups of four digits, so ordering by it is ordering by creation time.
QString MakeSerialNo(const QDateTime& now, QRandomGenerator& random);
QString MakeSerialNo();

// Serials for records stored one after another in one go, as a loaded file's are. Within one
// second fresh serials differ only in their random digits, which would put the records out of
// order and may repeat; a serial that does not sort after the one before is replaced by the one
// before plus one, so every serial is distinct and the order by serial is the order of storing.
class SerialSequence {
public:
    explicit SerialSequence(std::function<QString()> makeSerial = [] { return MakeSerialNo(); });
    QString next();

private:
    std::function<QString()> makeSerial_;
    QString last_;
};
