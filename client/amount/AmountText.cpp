#include "amount/AmountText.h"

#include <QRegularExpression>

#include <algorithm>

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
    // The last six characters are three digits and the decimals; the digits before them are
    // grouped by three in one pass, so a long text costs no more than its length.
    const qsizetype headSize = plain.size() - std::min<qsizetype>(plain.size(), 6);
    if (headSize == 0)
        return plain;
    QString out;
    out.reserve(plain.size() + headSize / 3 + 1);
    const qsizetype firstGroup = (headSize - 1) % 3 + 1;
    out += QStringView(plain).left(firstGroup);
    for (qsizetype i = firstGroup; i < headSize; i += 3) {
        out += u',';
        out += QStringView(plain).mid(i, 3);
    }
    out += u',';
    out += QStringView(plain).mid(headSize);
    return out;
}

QString formatAmount(const QString& plain) {
    return insertThousandSeparators(withTwoDecimals(withoutLeadingZeros(plain)));
}

QString fileAmountText(const QString& stored) {
    return removeThousandSeparators(formatAmount(stored.trimmed()));
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
