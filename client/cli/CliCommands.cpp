#include "cli/CliCommands.h"

// Each command has its own file in this folder and reaches down into its subsystem's core.
#include "cli/AmountCommand.h"
#include "cli/ChangePasswordCommand.h"
#include "cli/PasswordCommand.h"
#include "cli/PayeesCommand.h"
#include "cli/PayersCommand.h"
#include "cli/PaymentsCommand.h"
#include "cli/PayrollCommand.h"
#include "cli/RemarksCommand.h"
#include "cli/RosterCommand.h"

std::span<const CliCommandEntry> cliCommands() {
    static const CliCommandEntry table[] = {
        {"amount", "capital|format|typed|check TEXT   金额大写、两种显示格式或单笔金额检查",
         runAmountCommand},
        {"login", "PASSWORD   检查登录密码 (正确时退出码为 0)", runLoginCommand},
        {"password", "OLD NEW   修改登录密码", runChangePasswordCommand},
        {"payments",
         "list | write FILE.plz | load FILE.plz | import-sheet FILE [--append] [--sheet NAME] | "
         "export-sheet FILE.xlsx | summary FILE.pdf   批量支付: "
         "列表与合计、生成上传文件、导入上传文件、"
         "从表格导入、导出表格、汇总单",
         runPaymentsCommand},
        {"payroll",
         "list | write FILE.dfz | load FILE.dfz | import-sheet FILE [--append] [--sheet NAME] | "
         "export-sheet FILE.xlsx | summary FILE.pdf   代发工资/代报销: "
         "列表与合计、生成上传文件、导入上传文件、从表格导入、导出表格、汇总单",
         runPayrollCommand},
        {"payers", "list | export FILE.xml | import FILE.xml   付款账户: 列表、导出、导入",
         runPayersCommand},
        {"payees", "list | export FILE.xml   收款账户: 三类账户的列表、导出收款人名册",
         runPayeesCommand},
        {"remarks",
         "list | export FILE.xml | import FILE.xml   备注: 列表、导出 (每个文件10条)、导入",
         runRemarksCommand},
        {"roster", "list | export FILE.xml   代发名册: 列表、导出", runRosterCommand},
    };
    return table;
}
