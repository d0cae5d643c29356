#include "amount/AmountText.h"

#include <QRegularExpression>

namespace {

// Leading zeros stripped, "0" when nothing is left, a "0" before a leading point.
QString withoutLeadingZeros(const QString& plain) {
    qsizetype first = 0;
    while (first < plain.size() && plain[first] == u'0')
        ++first;
    QString text = plain.mid(first);
    if (text.isEmpty())
        text = QStringLiteral("0");
    if (text.startsWith(u'.'))
        text.prepend(u'0');
    return text;
}

// The text with two decimals: "00" appended, everything past the second decimal cut off.
QString withTwoDecimals(const QString& text) {
    const qsizetype point = text.indexOf(u'.');
    if (point < 0)
        return text + QStringLiteral(".00");
    return (text + QStringLiteral("00")).left(point + 3);
}

} // namespace

QString removeThousandSeparators(const QString& text) {
    QString plain = text;
    return plain.remove(u',');
}

bool isAmountFormat(const QString& plain) {
    static const QRegularExpression amount(
        QStringLiteral("^([0-9]+\\.?[0-9]{0,2}|\\.[0-9]{1,2})$"));
    return amount.match(plain).hasMatch();
}

QString insertThousandSeparators(const QString& text) {
    if (text.size() < 7)
        return text;
    const QString plain = removeThousandSeparators(text);
    QString tail = plain.right(6);
    QString head = plain.left(plain.size() - tail.size());
    while (head.size() >= 4) {
        tail = head.right(3) + u',' + tail;
        head.chop(3);
    }
    return head.isEmpty() ? tail : head + u',' + tail;
}

QString formatAmount(const QString& plain) {
    return insertThousandSeparators(withTwoDecimals(withoutLeadingZeros(plain)));
}

QString formatAmountTyped(const QString& plain) {
    const QString text = withoutLeadingZeros(plain);
    const qsizetype point = text.indexOf(u'.');
    const QString grouped = insertThousandSeparators(withTwoDecimals(text));
    if (point < 0)
        return grouped.chopped(3);
    const qsizetype typedDecimals = text.size() - point - 1;
    return grouped.left(grouped.indexOf(u'.') + 1 + typedDecimals);
}

AmountRange amountRange(const QString& plain) {
    const double value = plain.toDouble();
    if (value > MAX_SINGLE_AMOUNT)
        return AmountRange::TooLarge;
    if (value <= 0)
        return AmountRange::NotPositive;
    return AmountRange::Ok;
}
