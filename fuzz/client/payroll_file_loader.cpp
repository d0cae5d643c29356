// The payroll file loader, through the load command's own code, on a copy of the delivered
// database: the batch and the roster change together or not at all, whatever the file.
#include "fuzz/client/FuzzProgramFolder.h"
#include "payroll/LaborageList.h"
#include "payroll/PayrollFileCommands.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FuzzProgramFolder folder;
    static const LaborageList list;
    const QString path = folder.input(data, size, "input.dfz");
    loadPayrollFile(
        *folder.db, folder.messages, list, [&path] { return path; }, [] {});
    return 0;
}
