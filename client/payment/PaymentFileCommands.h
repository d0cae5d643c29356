#pragma once

#include <QString>

#include <functional>

class DBAccess;
class PaymentList;
class ClientMessages;

// The write and load commands of the payment tab, shared by the window and the command line.
struct CommandOutcome {
    enum class Status { Done, Stopped, Failed };
    Status status = Status::Done;
    QString detail; // why a command stopped without a message (for the command line)
};

using PathChooser = std::function<QString()>;

// Writes every listed instruction to the chosen upload file. The list is the one the tab shows:
// its status figures become the file's summary.
CommandOutcome writePaymentFile(DBAccess& db, ClientMessages& messages, const PaymentList& list,
                                const PathChooser& choosePath);

// Replaces the batch with the records of the chosen upload file inside one transaction, then
// calls `reload`. Any failure leaves the batch as it was.
CommandOutcome loadPaymentFile(DBAccess& db, ClientMessages& messages, const PaymentList& list,
                               const PathChooser& choosePath, const std::function<void()>& reload);
