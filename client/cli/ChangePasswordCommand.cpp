#include "cli/ChangePasswordCommand.h"

#include "config/AppTitle.h"
#include "login/PasswordChange.h"

#include <cstdio>

int runChangePasswordCommand(const QStringList& arguments, CliContext& context) {
    if (arguments.size() != 2) {
        std::fputs("用法: payslipdesk-cli password OLD NEW\n", stderr);
        return 2;
    }
    const PasswordChangeOutcome outcome =
        ChangePassword(context.db(), arguments[0], arguments[1], arguments[1]);
    context.prompter().message(applicationTitle(), outcome.message);
    return outcome.changed ? 0 : 1;
}
