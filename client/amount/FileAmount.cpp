#include "amount/FileAmount.h"

#include "amount/AmountText.h"

FileAmount readFileAmount(const QString& text) {
    FileAmount amount{removeThousandSeparators(text)};
    if (amount.plain.isEmpty())
        amount.fault = FileAmount::Fault::Empty;
    else if (!isAmountFormat(amount.plain))
        amount.fault = FileAmount::Fault::Format;
    else if (amount.plain.toDouble() > MAX_SINGLE_AMOUNT)
        amount.fault = FileAmount::Fault::Range;
    return amount;
}

QString fileAmountMessage(FileAmount::Fault fault, qsizetype record) {
    QString what;
    switch (fault) {
    case FileAmount::Fault::Empty:
        what = QStringLiteral("金额为空");
        break;
    case FileAmount::Fault::Format:
        what = QStringLiteral("金额格式错误");
        break;
    case FileAmount::Fault::Range:
        what = QStringLiteral("金额范围超过系统限制");
        break;
    case FileAmount::Fault::None:
        return {};
    }
    return QStringLiteral("第%1条记录中的%2，文件导入被中止").arg(record).arg(what);
}
