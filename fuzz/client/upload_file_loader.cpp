// The batch payment file loader, through the load command's own code, on a copy of the delivered
// database: whatever the file, the command ends with a message or a loaded batch, never worse.
#include "files/ClientMessages.h"
#include "payment/PaymentFileCommands.h"
#include "payment/PaymentList.h"
#include "store/DBAccess.h"
#include "store/ScriptedPrompter.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

struct LoaderFixture {
    LoaderFixture() {
        if (!home.isValid() || !QFile::copy(QStringLiteral(PSD_FUZZ_USERDB),
                                            home.filePath(QStringLiteral("userdb.db"))))
            std::abort();
        db = std::make_unique<DBAccess>(home.path() + '/', prompter);
    }

    QTemporaryDir home;
    ScriptedPrompter prompter;
    ClientMessages messages{prompter};
    std::unique_ptr<DBAccess> db;
    PaymentList list;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static LoaderFixture fixture;
    const QString path = fixture.home.filePath(QStringLiteral("input.plz"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    fixture.prompter.clear();
    loadPaymentFile(
        *fixture.db, fixture.messages, fixture.list, [&path] { return path; }, [] {});
    return 0;
}
