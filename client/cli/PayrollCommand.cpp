#include "cli/PayrollCommand.h"

#include "cli/CliContext.h"
#include "cli/SheetCommand.h"
#include "files/ClientMessages.h"
#include "files/FileChoosers.h"
#include "payroll/LaborageList.h"
#include "payroll/PayrollFileCommands.h"

#include <cstdio>

namespace {

void print(std::FILE* stream, const QString& line) {
    std::fputs((line + QLatin1Char('\n')).toUtf8().constData(), stream);
}

int listBatch(const LaborageList& list) {
    QStringList header;
    for (const QString& heading : LaborageList::kHeaders)
        header << heading;
    print(stdout, header.join('\t'));
    for (qsizetype row = 1; row <= list.size(); ++row) {
        QStringList cells;
        for (int column = 0; column < LaborageList::kColumns; ++column)
            cells << list.cell(row, column);
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

int runPayrollCommand(const QStringList& arguments, CliContext& context) {
    const QString action = arguments.value(0);
    if (isSheetAction(action))
        return runSheetCommand(BatchKind::Payroll, arguments, context);
    const bool withFile = action == QStringLiteral("write") || action == QStringLiteral("load");
    if (!(action == QStringLiteral("list") && arguments.size() == 1) &&
        !(withFile && arguments.size() == 2)) {
        std::fputs("用法: payslipdesk-cli [--yes] payroll list | write FILE.dfz | load FILE.dfz\n",
                   stderr);
        return 2;
    }
    DBAccess& db = context.db();
    LaborageList list;
    list.reload(db);
    if (action == QStringLiteral("list"))
        return listBatch(list);

    ClientMessages messages(context.prompter());
    const QString file = arguments[1];
    if (action == QStringLiteral("write"))
        return exitCode(
            writePayrollFile(db, messages, list, [&] { return confirmOverwrite(messages, file); }),
            QStringLiteral("文件未生成：覆盖已有文件须加 --yes 确认"));
    return exitCode(loadPayrollFile(
                        db, messages, list, [&file] { return file; }, [] {}),
                    QStringLiteral("文件导入被取消：清空原有数据须加 --yes 确认"));
}
