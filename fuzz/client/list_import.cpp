// The imports of the reference lists (payer accounts, remark phrases), through the tabs' own
// code, on a copy of the delivered database.
#include "fuzz/client/FuzzProgramFolder.h"
#include "refdata/PayerAccounts.h"
#include "refdata/Remarks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FuzzProgramFolder folder;
    const QString path = folder.input(data, size, "input.xml");
    const auto choose = [&path] {
        return path;
    };
    PayerAccounts::importFile(*folder.db, folder.messages, choose, [] {});
    Remarks::importFile(*folder.db, folder.messages, choose, [] {});
    return 0;
}
