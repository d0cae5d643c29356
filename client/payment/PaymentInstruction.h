#pragma once

#include <QString>

// One batch payment instruction as the editor saves it (a row of `payment` without its serial).
struct PaymentInstruction {
    QString payAccNo;
    QString payAccName;
    QString recAccType; // "00", "01" or "02"
    QString recAccNo;
    QString recAccName;
    QString recBankName;
    QString sameCityLiquidateNo;
    QString province;
    QString city;
    QString presentBankNo;
    QString payAmt; // plain amount text, at most two decimals
    QString remark;
    QString remitType; // "0" or "1"
};

// A stored payer account.
struct PayAccount {
    QString accNo;
    QString accName;
};

// A stored payee account, with the columns the editor keeps in its hidden lists.
struct PayeeAccount {
    QString accNo;
    QString accName;
    QString accType;
    QString recBankName;
    QString sameCityLiquidateNo;
    QString province;
    QString city;
    QString presentBankNo;
};
