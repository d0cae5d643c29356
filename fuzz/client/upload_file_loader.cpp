// The batch payment file loader, through the load command's own code, on a copy of the delivered
// database: whatever the file, the command ends with a message or a loaded batch, never worse.
#include "fuzz/client/FuzzProgramFolder.h"
#include "payment/PaymentFileCommands.h"
#include "payment/PaymentList.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FuzzProgramFolder folder;
    static const PaymentList list;
    const QString path = folder.input(data, size, "input.plz");
    loadPaymentFile(
        *folder.db, folder.messages, list, [&path] { return path; }, [] {});
    return 0;
}
