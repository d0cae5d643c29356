#include "cli/AmountCommand.h"

#include "amount/AmountConvert.h"
#include "amount/AmountText.h"
#include "config/AppTitle.h"

#include <cstdio>

namespace {

const char kUsage[] = "用法: payslipdesk-cli amount capital|format|typed|check TEXT\n";

int refuse(CliContext& context, const QString& message) {
    context.prompter().message(applicationTitle(), message);
    return 1;
}

int print(const QString& line) {
    std::fputs((line + u'\n').toUtf8().constData(), stdout);
    return 0;
}

QString rangeMessage(AmountRange range) {
    switch (range) {
    case AmountRange::TooLarge:
        return QStringLiteral("金额超过系统最大单笔限制");
    case AmountRange::NotPositive:
        return QStringLiteral("金额必须大于零元");
    case AmountRange::Ok:
        break;
    }
    return {};
}

} // namespace

int runAmountCommand(const QStringList& arguments, CliContext& context) {
    const QStringList actions{QStringLiteral("capital"), QStringLiteral("format"),
                              QStringLiteral("typed"), QStringLiteral("check")};
    if (arguments.size() != 2 || !actions.contains(arguments[0])) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const QString& action = arguments[0];
    const QString plain = removeThousandSeparators(arguments[1].trimmed());
    if (action == QStringLiteral("check") && plain.isEmpty())
        return refuse(context, QStringLiteral("请输入金额"));
    if (!isAmountFormat(plain))
        return refuse(context, QStringLiteral("金额格式错误"));
    if (action == QStringLiteral("capital"))
        return print(convertToCapital(plain));
    if (action == QStringLiteral("typed"))
        return print(formatAmountTyped(plain));
    if (action == QStringLiteral("check")) {
        const QString message = rangeMessage(amountRange(plain));
        if (!message.isEmpty())
            return refuse(context, message);
    }
    return print(formatAmount(plain));
}
