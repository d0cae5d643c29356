#include "amount/AmountChecks.h"

#include "amount/AmountText.h"

FileAmount checkFileAmount(const QString& text) {
    using Check = FileAmount::Check;
    const QString plain = removeThousandSeparators(text);
    if (plain.isEmpty())
        return {Check::Empty, plain};
    if (!isAmountFormat(plain))
        return {Check::Malformed, plain};
    if (amountRange(plain) == AmountRange::TooLarge)
        return {Check::TooLarge, plain};
    return {Check::Ok, plain};
}

QString fileAmountRefusal(FileAmount::Check check, qsizetype recordNo) {
    const char* text = nullptr;
    switch (check) {
    case FileAmount::Check::Ok:
        return {};
    case FileAmount::Check::Empty:
        text = "条记录中的金额为空，文件导入被中止";
        break;
    case FileAmount::Check::Malformed:
        text = "条记录中的金额格式错误，文件导入被中止";
        break;
    case FileAmount::Check::TooLarge:
        text = "条记录中的金额范围超过系统限制，文件导入被中止";
        break;
    }
    return QStringLiteral("第") + QString::number(recordNo) + QString::fromUtf8(text);
}

QString formAmountRefusal(const QString& typed) {
    const QString plain = removeThousandSeparators(typed.trimmed());
    if (plain.isEmpty())
        return QStringLiteral("请输入金额");
    if (!isAmountFormat(plain))
        return QStringLiteral("金额格式错误");
    switch (amountRange(plain)) {
    case AmountRange::TooLarge:
        return QStringLiteral("金额范围超过系统限制");
    case AmountRange::NotPositive:
        return QStringLiteral("金额必须大于零元");
    case AmountRange::Ok:
        break;
    }
    return {};
}
