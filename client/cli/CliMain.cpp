#include "cli/CliMain.h"

#include "cli/CliCommands.h"
#include "config/SharedConfig.h"
#include "store/DBAccess.h"
#include "store/ProgramFolder.h"

#include <cstdio>

namespace {

void printTo(std::FILE* stream, const QString& text) {
    std::fputs(text.toUtf8().constData(), stream);
}

QString usage() {
    QString text = QStringLiteral(
        "用法: payslipdesk-cli [--home DIR] [--yes] COMMAND [ARGS...]\n"
        "      payslipdesk-cli --help | --version\n\n"
        "  --home DIR  程序目录 (userdb.db、sysConf.ini 所在目录); 也可用环境变量 "
        "PAYSLIPDESK_HOME;\n"
        "              缺省为本程序所在目录\n"
        "  --yes       对所有确认问题回答 \"确定\"/\"是\" (否则回答 \"取消\"/\"否\")\n"
        "  --help      显示本说明\n"
        "  --version   显示版本\n\n"
        "命令:\n");
    for (const CliCommandEntry& command : cliCommands())
        text += QStringLiteral("  %1 %2\n")
                    .arg(QString::fromUtf8(command.name), QString::fromUtf8(command.usage));
    text += QStringLiteral("\n消息框显示在标准错误输出上。退出码: 0 成功, 1 失败 (含 Database "
                           "error), 2 用法错误。\n");
    return text;
}

} // namespace

int runCli(const QStringList& arguments, const QString& executableFolder) {
    QStringList rest = withoutHomeOption(arguments);
    if (rest.contains(QStringLiteral("--help")) || rest.contains(QStringLiteral("-h"))) {
        printTo(stdout, usage());
        return 0;
    }
    if (rest.contains(QStringLiteral("--version"))) {
        printTo(stdout, QStringLiteral("payslipdesk-cli 1.2\n"));
        return 0;
    }
    const bool yes = rest.removeAll(QStringLiteral("--yes")) > 0;
    if (rest.isEmpty()) {
        printTo(stderr, usage());
        return 2;
    }
    const QString name = rest.takeFirst();
    for (const CliCommandEntry& command : cliCommands()) {
        if (name != QString::fromUtf8(command.name))
            continue;
        const QString folder = resolveProgramFolder(arguments, executableFolder);
        sharedConfig().programFolder = folder;
        CliContext context(folder, yes);
        try {
            return command.run(rest, context);
        } catch (const DatabaseUnavailable&) {
            return 1;
        }
    }
    printTo(stderr, QStringLiteral("未知命令: %1\n\n").arg(name) + usage());
    return 2;
}
