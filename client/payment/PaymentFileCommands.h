#pragma once

#include "files/FileCommandOutcome.h"

#include <QString>

#include <functional>

class DBAccess;
class PaymentList;
class ClientMessages;

// The write and load commands of the payment tab, shared by the window and the command line.

// Writes every listed instruction to the chosen upload file. The list is the one the tab shows:
// its status figures become the file's summary.
FileCommandOutcome writePaymentFile(DBAccess& db, ClientMessages& messages, const PaymentList& list,
                                    const PathChooser& choosePath);

// Replaces the batch with the records of the chosen upload file inside one transaction, then
// calls `reload`. Any failure leaves the batch as it was.
FileCommandOutcome loadPaymentFile(DBAccess& db, ClientMessages& messages, const PaymentList& list,
                                   const PathChooser& choosePath,
                                   const std::function<void()>& reload);
