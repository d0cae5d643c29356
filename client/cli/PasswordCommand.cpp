#include "cli/PasswordCommand.h"

#include "login/Password.h"

#include <cstdio>

int runLoginCommand(const QStringList& arguments, CliContext& context) {
    if (arguments.size() != 1) {
        std::fputs("用法: payslipdesk-cli login PASSWORD\n", stderr);
        return 2;
    }
    const LoginResult result = CheckLogin(context.db(), arguments.first());
    if (result == LoginResult::Accepted) {
        std::fputs("登录密码正确\n", stdout);
        return 0;
    }
    const LoginMessage box = loginMessage(result);
    context.prompter().message(box.title, box.text, box.icon);
    return 1;
}
