#include "amount/AmountConvert.h"

namespace {

const QString kDigits = QStringLiteral("壹贰叁肆伍陆柒捌玖零");
const QString kPositions = QStringLiteral("仟佰拾个");
const QString kGroups = QStringLiteral("千万亿兆");
const QChar kZero = kDigits[9];

int digitValue(QChar c) {
    return c.isDigit() && c.unicode() < 128 ? c.unicode() - u'0' : 0;
}

QChar capitalDigit(int digit) {
    return kDigits[digit - 1];
}

QString getDecimalPart(const QString& amount) {
    const qsizetype point = amount.indexOf(u'.');
    return point < 0 ? QString() : amount.mid(point + 1);
}

QString getIntegerPart(const QString& amount, const QString& decimalPart) {
    QString integer = amount.chopped(decimalPart.size());
    if (integer.endsWith(u'.'))
        integer.chop(1);
    return integer;
}

// Group i counted from the right, four digits each; the leftmost group may be shorter.
QString getGroup(const QString& digits, qsizetype i) {
    const qsizetype end = digits.size() - 4 * (i - 1);
    return end < 4 ? digits.left(end) : digits.mid(end - 4, 4);
}

QString convertGroup(const QString& group) {
    const qsizetype length = group.size();
    QString result;
    for (qsizetype j = 0; j < length; ++j) {
        const int digit = digitValue(group[j]);
        const bool last = j == length - 1;
        if (digit != 0) {
            result += capitalDigit(digit);
            if (!last)
                result += kPositions[4 - length + j];
        } else if (!last) {
            result += kZero;
        }
    }
    return result;
}

QString collapseZeros(const QString& text) {
    if (text.isEmpty())
        return text;
    QString result(text[0]);
    for (qsizetype i = 1; i < text.size(); ++i) {
        if (!(text[i] == kZero && text[i - 1] == kZero))
            result += text[i];
    }
    if (result.endsWith(kZero))
        result.chop(1);
    return result;
}

QString convertIntegerPart(const QString& digits) {
    const qsizetype groups = (digits.size() + 3) / 4;
    QString result;
    for (qsizetype i = groups; i >= 1; --i) {
        const QString group = getGroup(digits, i);
        // The result so far has no run of 零 and no trailing 零, so only the new group needs
        // collapsing: a long number costs no more than its length.
        result += collapseZeros(convertGroup(group));
        if (i > 1 && i <= kGroups.size() && group != QStringLiteral("0000"))
            result += kGroups[i - 1];
    }
    return result;
}

QString convertDecimalPart(const QString& decimals) {
    QString result;
    if (decimals.size() == 2 && decimals != QStringLiteral("00")) {
        const int jiao = digitValue(decimals[0]);
        result = jiao != 0 ? capitalDigit(jiao) + QStringLiteral("角") : QString(kZero);
        const int fen = digitValue(decimals[1]);
        if (fen > 0)
            result += capitalDigit(fen) + QStringLiteral("分");
    } else if (decimals.size() == 1) {
        const int jiao = digitValue(decimals[0]);
        if (jiao > 0)
            result = capitalDigit(jiao) + QStringLiteral("角");
    }
    if (decimals.isEmpty() || decimals == QStringLiteral("0") || decimals == QStringLiteral("00"))
        result += QStringLiteral("整");
    return result;
}

QString trimLeadingZeros(const QString& text) {
    qsizetype first = 0;
    while (first < text.size() && text[first] == kZero)
        ++first;
    return first < text.size() - 1 ? text.mid(first) : QString();
}

// Leading zeros would otherwise be spelled as a leading 零 (0012 as 零壹拾贰).
QString withoutLeadingZeros(const QString& digits) {
    qsizetype first = 0;
    while (first < digits.size() && digits[first] == u'0')
        ++first;
    return digits.mid(first);
}

} // namespace

QString convertToCapital(const QString& plain) {
    const QString decimalPart = getDecimalPart(plain);
    const QString integerPart = withoutLeadingZeros(getIntegerPart(plain, decimalPart));
    const QString integer = convertIntegerPart(integerPart);
    const QString decimal = convertDecimalPart(decimalPart);
    if (!integer.isEmpty())
        return integer + QStringLiteral("元") + decimal;
    return trimLeadingZeros(decimal);
}
