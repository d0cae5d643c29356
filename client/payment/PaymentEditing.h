#pragma once

#include "payment/PaymentInstruction.h"

class ClientMessages;
class PaymentStore;

// What follows the editor's form check: the statements of save, change and delete with their
// questions and messages. Save and change return true when the batch was changed.

// Refuses the same payer and payee account, asks before a second payment to the same account,
// stores or renames the payer and payee accounts, then inserts with a new serial number.
bool addPayment(PaymentStore& store, ClientMessages& messages,
                const PaymentInstruction& instruction);

bool changePayment(PaymentStore& store, ClientMessages& messages, const QString& serialNo,
                   const PaymentInstruction& instruction);

enum class DeleteOutcome { Cancelled, Deleted, Failed };

// Asks first; Cancel changes nothing. After a failed delete the list is shown anew all the same.
DeleteOutcome deletePayment(PaymentStore& store, ClientMessages& messages, const QString& serialNo);
