#include "cli/PaymentsCommand.h"

#include "cli/CliContext.h"
#include "cli/SheetCommand.h"
#include "files/ClientMessages.h"
#include "files/FileChoosers.h"
#include "payment/PaymentFileCommands.h"
#include "payment/PaymentList.h"

#include <QFileInfo>

#include <cstdio>

namespace {

void print(std::FILE* stream, const QString& line) {
    std::fputs((line + QLatin1Char('\n')).toUtf8().constData(), stream);
}

int listBatch(const PaymentList& list) {
    QStringList header;
    for (const QString& heading : PaymentList::kHeaders)
        header << heading;
    print(stdout, header.join('\t'));
    for (qsizetype row = 1; row <= list.size(); ++row) {
        QStringList cells{QString::number(row)};
        for (const QString& cell : list.row(row))
            cells << cell;
        print(stdout, cells.join('\t'));
    }
    print(stdout, QStringList{QStringLiteral("总笔数"), list.countText(), QStringLiteral("总金额"),
                              list.totalText(), QStringLiteral("大写金额"), list.capitalText()}
                      .join('\t'));
    return 0;
}

int exitCode(const FileCommandOutcome& outcome, const QString& stoppedNote) {
    if (!outcome.detail.isEmpty())
        print(stderr, outcome.detail);
    else if (outcome.status == FileCommandOutcome::Status::Stopped)
        print(stderr, stoppedNote);
    return outcome.status == FileCommandOutcome::Status::Done ? 0 : 1;
}

} // namespace

int runPaymentsCommand(const QStringList& arguments, CliContext& context) {
    const QString action = arguments.value(0);
    if (isSheetAction(action))
        return runSheetCommand(BatchKind::Payment, arguments, context);
    const bool withFile = action == QStringLiteral("write") || action == QStringLiteral("load");
    if (!(action == QStringLiteral("list") && arguments.size() == 1) &&
        !(withFile && arguments.size() == 2)) {
        std::fputs("用法: payslipdesk-cli [--yes] payments list | write FILE.plz | load "
                   "FILE.plz\n",
                   stderr);
        return 2;
    }
    DBAccess& db = context.db();
    PaymentList list;
    list.reload(db);
    if (action == QStringLiteral("list"))
        return listBatch(list);

    ClientMessages messages(context.prompter());
    const QString file = arguments[1];
    // Named on the command line: a file that cannot be read is reported before any question.
    if (action == QStringLiteral("load")) {
        const QFileInfo source(file);
        if (!source.exists()) {
            messages.show(QStringLiteral("找不到文件：%1").arg(file));
            return 1;
        }
        if (!source.isFile() || !source.isReadable()) {
            messages.show(QStringLiteral("文件无法读取：%1").arg(file));
            return 1;
        }
    }
    if (action == QStringLiteral("write"))
        return exitCode(
            writePaymentFile(db, messages, list, [&] { return confirmOverwrite(messages, file); }),
            QStringLiteral("文件未生成：覆盖已有文件须加 --yes 确认"));
    return exitCode(loadPaymentFile(
                        db, messages, list, [&file] { return file; }, [] {}),
                    QStringLiteral("文件导入被取消：清空原有数据须加 --yes 确认"));
}
