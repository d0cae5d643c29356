#include "sheets/SheetNumber.h"

#include <charconv>
#include <cmath>

std::optional<QString> shortestDecimal(const QString& raw) {
    const QByteArray bytes = raw.trimmed().toLatin1();
    double value = 0;
    const char* end = bytes.constData() + bytes.size();
    const auto parsed = std::from_chars(bytes.constData(), end, value);
    if (parsed.ec != std::errc() || parsed.ptr != end || !std::isfinite(value))
        return std::nullopt;
    char buffer[400];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    if (written.ec != std::errc())
        return std::nullopt;
    QString text = QString::fromLatin1(buffer, written.ptr - buffer);
    return text == QStringLiteral("-0") ? QStringLiteral("0") : text;
}

QString roundToFen(const QString& decimal) {
    const qsizetype point = decimal.indexOf(QLatin1Char('.'));
    QString digits = point < 0 ? decimal : decimal.left(point) + decimal.mid(point + 1);
    if (digits.isEmpty())
        return decimal;
    for (const QChar c : digits)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return decimal;
    const qsizetype intLength = point < 0 ? decimal.size() : point;
    qsizetype decimals = digits.size() - intLength;
    bool roundUp = false;
    if (decimals > 2) {
        roundUp = digits.at(intLength + 2) >= QLatin1Char('5');
        digits.truncate(intLength + 2);
    } else {
        digits.append(QString(2 - decimals, QLatin1Char('0')));
    }
    decimals = 2;
    for (qsizetype i = digits.size() - 1; roundUp && i >= 0; --i) {
        if (digits.at(i) == QLatin1Char('9')) {
            digits[i] = QLatin1Char('0');
        } else {
            digits[i] = QChar(digits.at(i).unicode() + 1);
            roundUp = false;
        }
    }
    if (roundUp)
        digits.prepend(QLatin1Char('1'));
    QString whole = digits.left(digits.size() - decimals);
    if (whole.isEmpty())
        whole = QStringLiteral("0");
    return whole + QLatin1Char('.') + digits.right(decimals);
}
