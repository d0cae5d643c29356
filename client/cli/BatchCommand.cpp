#include "cli/BatchCommand.h"

#include "files/FileChoosers.h"

#include <QFileInfo>

#include <cstdio>

namespace {

void print(std::FILE* stream, const QString& line) {
    std::fputs((line + QLatin1Char('\n')).toUtf8().constData(), stream);
}

int listBatch(const BatchCommand& command) {
    print(stdout, command.headers.join('\t'));
    for (qsizetype row = 1; row <= command.size(); ++row) {
        QStringList cells;
        for (int column = 0; column < command.headers.size(); ++column)
            cells << command.cell(row, column);
        print(stdout, cells.join('\t'));
    }
    const QStringList totals = command.totals();
    print(stdout, QStringList{QStringLiteral("总笔数"), totals.value(0), QStringLiteral("总金额"),
                              totals.value(1), QStringLiteral("大写金额"), totals.value(2)}
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

int runBatchCommand(const BatchCommand& command, const QStringList& arguments,
                    CliContext& context) {
    const QString action = arguments.value(0);
    if (isSheetAction(action))
        return runSheetCommand(command.kind, arguments, context);
    const bool withFile = action == QStringLiteral("write") || action == QStringLiteral("load");
    if (!(action == QStringLiteral("list") && arguments.size() == 1) &&
        !(withFile && arguments.size() == 2)) {
        std::fputs(command.usage, stderr);
        return 2;
    }
    DBAccess& db = context.db();
    command.reload(db);
    if (action == QStringLiteral("list"))
        return listBatch(command);

    ClientMessages messages(context.prompter());
    const QString file = arguments[1];
    if (action == QStringLiteral("write"))
        return exitCode(
            command.write(db, messages, [&] { return confirmOverwrite(messages, file); }),
            QStringLiteral("文件未生成：覆盖已有文件须加 --yes 确认"));
    // Named on the command line: a file that cannot be read is reported before any question.
    const QFileInfo source(file);
    if (!source.exists()) {
        messages.show(QStringLiteral("找不到文件：%1").arg(file));
        return 1;
    }
    if (!source.isFile() || !source.isReadable()) {
        messages.show(QStringLiteral("文件无法读取：%1").arg(file));
        return 1;
    }
    return exitCode(command.load(db, messages, [&file] { return file; }),
                    QStringLiteral("文件导入被取消：清空原有数据须加 --yes 确认"));
}
