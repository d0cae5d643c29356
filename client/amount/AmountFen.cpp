#include "amount/AmountFen.h"

#include "amount/AmountText.h"

std::optional<qint64> amountToFen(const QString& amountText) {
    const QString plain = removeThousandSeparators(amountText.trimmed());
    if (!isAmountFormat(plain))
        return std::nullopt;
    const qsizetype point = plain.indexOf(u'.');
    const QString yuan = point < 0 ? plain : plain.left(point);
    const QString fen = point < 0 ? QString() : plain.mid(point + 1);
    qint64 total = 0;
    for (QChar digit : yuan + (fen + QStringLiteral("00")).left(2)) {
        if (__builtin_mul_overflow(total, 10, &total) ||
            __builtin_add_overflow(total, digit.unicode() - u'0', &total))
            return std::nullopt;
    }
    return total;
}

QString fenToAmount(qint64 fen) {
    const bool negative = fen < 0;
    const quint64 magnitude = negative ? 0 - static_cast<quint64>(fen) : static_cast<quint64>(fen);
    return QStringLiteral("%1%2.%3")
        .arg(negative ? QStringLiteral("-") : QString())
        .arg(magnitude / 100)
        .arg(magnitude % 100, 2, 10, QLatin1Char('0'));
}

bool AmountTotal::add(const QString& amountText) {
    const std::optional<qint64> fen = amountToFen(amountText);
    qint64 sum = 0;
    if (!fen || __builtin_add_overflow(fen_, *fen, &sum))
        return false;
    fen_ = sum;
    return true;
}
