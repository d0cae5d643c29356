#include "cli/PaymentsCommand.h"

#include "cli/BatchCommand.h"
#include "payment/PaymentFileCommands.h"
#include "payment/PaymentList.h"

int runPaymentsCommand(const QStringList& arguments, CliContext& context) {
    PaymentList list;
    BatchCommand command;
    command.usage =
        "用法: payslipdesk-cli [--yes] payments list | write FILE.plz | load FILE.plz\n";
    command.kind = BatchKind::Payment;
    command.write = [&list](DBAccess& db, ClientMessages& messages, const PathChooser& choose) {
        return writePaymentFile(db, messages, list, choose);
    };
    command.load = [&list](DBAccess& db, ClientMessages& messages, const PathChooser& choose) {
        return loadPaymentFile(db, messages, list, choose, [] {});
    };
    return runBatchListCommand(std::move(command), list, arguments, context);
}
