#include "cli/PayrollCommand.h"

#include "cli/BatchCommand.h"
#include "payroll/LaborageList.h"
#include "payroll/PayrollFileCommands.h"

int runPayrollCommand(const QStringList& arguments, CliContext& context) {
    LaborageList list;
    BatchCommand command;
    command.usage = "用法: payslipdesk-cli [--yes] payroll list | write FILE.dfz | load FILE.dfz\n";
    command.kind = BatchKind::Payroll;
    command.write = [&list](DBAccess& db, ClientMessages& messages, const PathChooser& choose) {
        return writePayrollFile(db, messages, list, choose);
    };
    command.load = [&list](DBAccess& db, ClientMessages& messages, const PathChooser& choose) {
        return loadPayrollFile(db, messages, list, choose, [] {});
    };
    return runBatchListCommand(std::move(command), list, arguments, context);
}
