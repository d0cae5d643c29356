#pragma once

#include <QString>

class PaymentList;

// The form that shows the payment list: the dialogs refresh it after a change.
class PaymentListOwner {
public:
    virtual ~PaymentListOwner() = default;
    virtual void resetPaymentB2B() = 0;
    virtual const PaymentList& paymentList() const = 0;
};

// The payer account of the current batch, kept for the whole run: set by every list refresh from
// the first row, changed by the payer account chooser.
struct BatchPayer {
    QString accNo;
    QString accName;
};
