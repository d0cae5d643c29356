#include "CliCommands.h"

// Each subsystem's command lives in its own folder; its header is included here and its library
// is linked in client/cli/CMakeLists.txt (PSD_CLI_COMMAND_LIBS).
#include "AmountCommand.h"
#include "PasswordCommand.h"
#include "PaymentsCommand.h"

std::span<const CliCommandEntry> cliCommands() {
    static const CliCommandEntry table[] = {
        {"amount", "capital|format|typed|check TEXT   金额大写、两种显示格式或单笔金额检查",
         runAmountCommand},
        {"login", "PASSWORD   检查登录密码 (正确时退出码为 0)", runLoginCommand},
        {"payments",
         "list | write FILE.plz | load FILE.plz   批量支付: 列表与合计、生成上传文件、导入上传文件",
         runPaymentsCommand},
    };
    return table;
}
