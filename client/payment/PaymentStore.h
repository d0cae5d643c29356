#pragma once

#include "payment/PaymentInstruction.h"

#include <QStringList>

#include <optional>
#include <vector>

class DBAccess;

// Every statement of the batch payment forms. Each reports a failure through the record store's
// "SQL error" box and returns false or nothing; the forms add their own message.
class PaymentStore {
public:
    explicit PaymentStore(DBAccess& db)
        : db_(db) {}

    std::vector<PayAccount> payAccounts();
    QStringList remarks();
    std::vector<PayeeAccount> payees(const QString& accType);
    QStringList provinces();
    QStringList cities(const QString& provinceName);

    // Whether the batch already pays that account of that kind.
    bool hasPaymentTo(const QString& recAccType, const QString& recAccNo);

    // The stored payer account of that number; nothing when there is none or the query failed.
    std::optional<PayAccount> payAccount(const QString& accNo);
    bool renamePayAccount(const PayAccount& account);
    bool insertPayAccount(const PayAccount& account);

    // Payees are keyed by number and kind: the same number may be stored once per kind.
    std::optional<PayeeAccount> payee(const QString& accNo, const QString& accType);
    bool updatePayee(const PayeeAccount& account);
    bool insertPayee(const PayeeAccount& account);

    bool insertPayment(const QString& serialNo, const PaymentInstruction& instruction);
    bool updatePayment(const QString& serialNo, const PaymentInstruction& instruction);
    bool deletePayment(const QString& serialNo);
    // Moves every instruction of the batch to that payer account.
    bool setPayerOfAll(const PayAccount& account);

private:
    DBAccess& db_;
};
