#include "cli/SheetCommand.h"

#include "cli/CliContext.h"
#include "files/ClientMessages.h"
#include "files/FileChoosers.h"
#include "sheets/SheetCommands.h"

#include <cstdio>
#include <string_view>

namespace {

const QString kImport = QStringLiteral("import-sheet");
const QString kExport = QStringLiteral("export-sheet");
const QString kSummary = QStringLiteral("summary");

void printError(const QString& line) {
    std::fputs((line + QLatin1Char('\n')).toUtf8().constData(), stderr);
}

int exitCode(const FileCommandOutcome& outcome, const QString& stoppedNote) {
    if (!outcome.detail.isEmpty())
        printError(outcome.detail);
    else if (outcome.status == FileCommandOutcome::Status::Stopped)
        printError(stoppedNote);
    return outcome.status == FileCommandOutcome::Status::Done ? 0 : 1;
}

} // namespace

bool isSheetAction(const QString& action) {
    return action == kImport || action == kExport || action == kSummary;
}

bool paintsSummary(int argc, char** argv) {
    for (int i = 1; i + 1 < argc; ++i)
        if (std::string_view(argv[i]) == "summary" && (std::string_view(argv[i - 1]) == "payroll" ||
                                                       std::string_view(argv[i - 1]) == "payments"))
            return true;
    return false;
}

int runSheetCommand(BatchKind kind, const QStringList& arguments, CliContext& context) {
    const QString action = arguments.value(0);
    bool append = false;
    QString sheet;
    bool usage = arguments.size() < 2;
    for (qsizetype i = 2; i < arguments.size() && !usage; ++i) {
        if (action == kImport && arguments[i] == QStringLiteral("--append") && !append)
            append = true;
        else if (action == kImport && arguments[i] == QStringLiteral("--sheet") &&
                 sheet.isEmpty() && i + 1 < arguments.size() && !arguments[i + 1].isEmpty())
            sheet = arguments[++i];
        else
            usage = true;
    }
    if (usage) {
        std::fprintf(stderr,
                     "用法: payslipdesk-cli [--yes] %s import-sheet FILE.xlsx|FILE.csv [--append] "
                     "[--sheet NAME] | export-sheet FILE.xlsx | summary FILE.pdf\n",
                     kind == BatchKind::Payroll ? "payroll" : "payments");
        return 2;
    }
    DBAccess& db = context.db();
    ClientMessages messages(context.prompter());
    const QString file = arguments[1];
    if (action == kImport)
        return exitCode(importSheetFile(db, messages, kind, file,
                                        append ? ImportMode::Append : ImportMode::Replace, sheet),
                        QStringLiteral("表格导入被取消：清空原有数据须加 --yes 确认，或用 "
                                       "--append 追加"));
    const QString overwriteNote = QStringLiteral("文件未生成：覆盖已有文件须加 --yes 确认");
    const PathChooser choose = [&] {
        return confirmOverwrite(messages, file);
    };
    if (action == kExport)
        return exitCode(exportBatchSheet(db, messages, kind, choose), overwriteNote);
    return exitCode(writeBatchSummary(db, messages, kind, choose), overwriteNote);
}
