#include "cli/RefListCommand.h"

#include "cli/CliContext.h"
#include "files/ClientMessages.h"
#include "files/FileChoosers.h"

#include <cstdio>

namespace {

void print(std::FILE* stream, const QString& line) {
    std::fputs((line + QLatin1Char('\n')).toUtf8().constData(), stream);
}

void printList(const RefList& list) {
    print(stdout, list.headers().join('\t'));
    for (qsizetype row = 1; row <= list.size(); ++row) {
        QStringList cells;
        for (int column = 0; column < list.columnCount(); ++column)
            cells << list.cell(row, column);
        print(stdout, cells.join('\t'));
    }
    print(stdout, QStringLiteral("总笔数\t") + QString::number(list.size()));
}

int exitCode(const FileCommandOutcome& outcome) {
    if (!outcome.detail.isEmpty())
        print(stderr, outcome.detail);
    return outcome.status == FileCommandOutcome::Status::Done ? 0 : 1;
}

} // namespace

int runRefListCommand(const QStringList& arguments, CliContext& context,
                      const RefListCommand& command) {
    const QString action = arguments.value(0);
    const bool list = action == QStringLiteral("list") && arguments.size() == 1;
    const bool exporting = action == QStringLiteral("export") && arguments.size() == 2;
    const bool importing =
        command.importFile && action == QStringLiteral("import") && arguments.size() == 2;
    if (!list && !exporting && !importing) {
        print(stderr,
              QStringLiteral("用法: payslipdesk-cli [--yes] %1 list | export FILE.xml%2")
                  .arg(QString::fromUtf8(command.name),
                       command.importFile ? QStringLiteral(" | import FILE.xml") : QString()));
        return 2;
    }
    DBAccess& db = context.db();
    if (list) {
        for (const RefList& shown : command.lists(db))
            printList(shown);
        return 0;
    }
    ClientMessages messages(context.prompter());
    const QString file = arguments[1];
    if (exporting)
        return exitCode(
            command.exportFile(db, messages, [&] { return confirmOverwrite(messages, file); }));
    return exitCode(command.importFile(db, messages, [&file] { return file; }));
}
